#include "app/PlayerInfomation.h"

#include "app/SystemInfo.h"

void PlayerInfomation::NewGameReset(const SystemInfo_t& info) {
    lives = info.demo ? 99 : info.rest - 1;
    magazines = 0;
    score = 0;
    rankedScore = 0;
    bonusCount = 0;
}
