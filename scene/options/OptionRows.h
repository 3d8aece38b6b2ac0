#pragma once
// The rows of the options list: their labels, how each shows its value and
// how left and right change it.
#include "app/GameOptions.h"

#include <string>

enum class OptionRow {
    Difficulty,
    Lives,
    Display,
    WindowSize,
    Vsync,
    Effects,
    SoundEffects,
    SEVolume,
    Music,
    MusicVolume,
    ShotKey,
    JumpKey,
    PadShot,
    PadJump,
    Controls,
    Defaults,
    Back,
    Count,
};
constexpr int kOptionRowCount = static_cast<int>(OptionRow::Count);

const char* RowLabel(OptionRow row);
// The value as the list shows it; empty for the rows that only do something.
std::string RowValue(OptionRow row, const GameOptions& options);
// Steps a value row one place left (direction -1) or right (+1); false for
// the rows without a value to step.
bool StepRow(OptionRow row, GameOptions& options, int direction);
