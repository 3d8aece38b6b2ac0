#include "scene/stage/TableStage.h"

#include "app/VrelsSkarovApp.h"
#include "lib/OggStream.h"
#include "world/ViewMap.h"

TableStage::TableStage(const StageRow& stageRow) : StageScene(stageRow.stageIndex), row(stageRow) {
    progressNumber = row.progressNumber;
    displayName = row.displayName;
    nextSceneName = row.nextScene;
    LoadBackground(row.backdrop);
}

void TableStage::SetupStage() {
    LoadStageMap();
    StartStageMusic();
}

void TableStage::LoadStageMap() {
    map->Load(row.mapFile);
}

void TableStage::StartStageMusic() {
    if (!row.HasMusic()) {
        return;
    }
    IOggStream& music = *VrelsSkarovApp::Instance()->music;
    if (row.MusicIsPair()) {
        music.OpenIntro(row.musicIntro, row.musicLoop);
    } else {
        music.Open(row.musicIntro, 1);
    }
    music.Play();
}
