#pragma once
// Every short-lived visual effect of the stage world, for code that makes them.
#include "world/BreakBlockEffect.h"
#include "world/effects/Dust.h"
#include "world/effects/EffectHit.h"
#include "world/effects/Explosion.h"
#include "world/effects/Fadeout.h"
#include "world/effects/GoalEffect.h"
#include "world/effects/HitWall.h"
#include "world/effects/ItemgetEffect.h"
#include "world/effects/ScoreEffect.h"
#include "world/effects/Spark.h"
