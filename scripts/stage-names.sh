# The stages by map name, and the stage class that plays each; sourced by the
# scripts that work through the stages.
FULL_COURSE="stage1_1 stage1_2 stage1_3 stage1_4 stage1_boss
stage2_1 stage2_2 stage2_3 stage2_4 stage2_boss
stage3_1 stage3_2 stage3_3 stage3_4 stage3_boss
stage4_1 stage4_2 stage4_3
stage5_1 stage5_2 stage5_3 stage5_4 stage5_boss"
TRIAL_COURSE="trial1_1 trial1_2 trial1_3 trial_boss"

# stage2_3 -> Stage2_3Scene, stage2_boss -> Stage2bossScene,
# trial1_2 -> Trial1_2Scene, trial_boss -> TrialBossScene.
scene_of() {
    case "$1" in
    trial_boss) echo TrialBossScene ;;
    stage*_boss) echo "Stage$(echo "$1" | sed 's/^stage\([0-9]\)_boss$/\1/')bossScene" ;;
    stage*) echo "Stage${1#stage}Scene" ;;
    trial*) echo "Trial${1#trial}Scene" ;;
    *) echo "unknown stage $1" >&2; exit 2 ;;
    esac
}

# Makes $1 a game folder of links to the built data (BUILD_DIR) with an empty
# replay folder, so a run's progress and replay stay out of the build.
link_game_folder() {
    mkdir -p "$1/replay"
    for entry in "$BUILD_DIR"/game/*; do
        case "$(basename "$entry")" in
        replay | log.txt | vrels.ini | score.ini) ;;
        *) ln -s "$(realpath "$entry")" "$1/" ;;
        esac
    done
}

# The frame step of a key script's last line.
last_frame() {
    sed 's/#.*//' "$1" | awk 'NF { n = $1 } END { print n + 0 }'
}
