#include "enemy/Crawler.h"

#include <algorithm>

void Crawler::Crawl(float speed) {
    vx = facing ? -speed : speed;
    vy = std::min(vy + Gravity, MaxFall);
    TurnAtWall();
    LandOnBlock();
    x += vx;
    y += vy;
}
