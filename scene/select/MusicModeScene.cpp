#include "scene/select/MusicModeScene.h"

#include "app/Paths.h"
#include "app/VrelsSkarovApp.h"
#include "lib/OggStream.h"
#include "lib/SoundErrorReport.h"
#include "lib/myInput.h"
#include "scene/SceneFactory.h"
#include "scene/select/MenuBackdrop.h"
#include "ui/SelectManager.h"

#include <cstring>
#include <fstream>
#include <iterator>

REGISTER_SCENE(MusicModeScene)

namespace {

enum class Playback { Intro, Loop, Once, Exit };

struct Piece {
    const char* title;
    float y;
    Playback playback;
    const char* file;     // the intro for Intro
    const char* loopFile; // Intro only
};

const Piece kPieces[] = {
    {"Summon", 100, Playback::Intro, "bgm/selecta.ogg", "bgm/selectb.ogg"},
    {"Under The Moon", 125, Playback::Intro, "bgm/stage1a.ogg", "bgm/stage1b.ogg"},
    {"Lunatic Party", 150, Playback::Loop, "bgm/boss1.ogg", nullptr},
    {"Green Pasture", 175, Playback::Intro, "bgm/stage2a.ogg", "bgm/stage2b.ogg"},
    {"Executioner", 200, Playback::Intro, "bgm/stage3a.ogg", "bgm/stage3b.ogg"},
    {"Judgment", 225, Playback::Intro, "bgm/lastbossa.ogg", "bgm/lastbossb.ogg"},
    {"Clear", 250, Playback::Once, "bgm/clear.ogg", nullptr},
    {"Continue", 275, Playback::Once, "bgm/continue.ogg", nullptr},
    {"Gameover", 300, Playback::Once, "bgm/gameover.ogg", nullptr},
    {"exit", 350, Playback::Exit, nullptr, nullptr},
};

// Why a music file cannot be played, or empty when it looks playable: the
// file must open and begin like an Ogg stream.
std::string MusicFileProblem(const char* file) {
    std::ifstream in(vrels::DataPath(file), std::ios::binary);
    if (!in) {
        return std::string("Open Error: ") + file;
    }
    char magic[4] = {};
    in.read(magic, sizeof(magic));
    if (in.gcount() != 4 || std::memcmp(magic, "OggS", 4) != 0) {
        return std::string(file) + ": Input does not appear to be an Ogg bitstream.";
    }
    return "";
}

} // namespace

MusicModeScene::MusicModeScene()
    : menu_(std::make_unique<SelectManager>()), backdrop_(std::make_unique<MenuBackdrop>()) {
    for (const Piece& piece : kPieces) {
        menu_->AddItem(piece.title, 120, piece.y);
    }
    menu_->ResetSelection();
}

MusicModeScene::~MusicModeScene() = default;

void MusicModeScene::PlayPiece(int index) {
    const Piece& piece = kPieces[index];
    IOggStream& music = *VrelsSkarovApp::Instance()->music;
    std::string problem = MusicFileProblem(piece.file);
    if (problem.empty() && piece.loopFile) {
        problem = MusicFileProblem(piece.loopFile);
    }
    if (!problem.empty()) {
        // The player hears that the piece is missing; the list stays usable.
        music.Halt();
        playing_.clear();
        vrels::audio::ReportSoundError(problem);
        return;
    }
    if (piece.playback == Playback::Intro) {
        music.OpenIntro(piece.file, piece.loopFile);
    } else {
        music.Open(piece.file, piece.playback == Playback::Loop ? 1 : 0);
    }
    music.Play();
    playing_ = piece.title;
}

std::string MusicModeScene::Update() {
    if (VrelsSkarovApp::Instance()->input->ConfirmPressed()) {
        const int index = menu_->Selected();
        if (index >= 0 && index < static_cast<int>(std::size(kPieces))) {
            if (kPieces[index].playback == Playback::Exit) {
                return "TitleScene";
            }
            PlayPiece(index);
        }
    }
    menu_->Update();
    return "";
}

void MusicModeScene::Draw() {
    backdrop_->Draw(0.5f, 0.5f);
    menu_->Draw();
}

void MusicModeScene::AppendTrace(std::string& json) const {
    json += ",\"musicMode\":{\"selected\":" + std::to_string(menu_->Selected()) +
            ",\"playing\":\"" + playing_ + "\"}";
}
