#pragma once
// The walk of Met and Togezo: a steady pace in the facing direction under
// gravity; they turn at walls and walk off ledges.
#include "enemy/EnemyBase.h"

class Crawler : public EnemyBase {
public:
    static constexpr float Gravity = 0.3f;
    static constexpr float MaxFall = 5.0f;

protected:
    void Crawl(float speed);
};
