#pragma once
// Map object placement: the chip sheet is the stage editor's palette, and the
// chip's place in the sheet decides what a map cell creates. A chip's code is
// its sheet column x 100 + sheet row.
//
// Classes defined outside the stage world (enemies) register themselves from
// their own source files, for example:
//   const bool registered = RegisterChipCreator(6, [] { return std::make_unique<Dummy>(); });
// A registered creator wins over every built-in rule for its code; its object
// is put at the cell's centre with SetPosition and added to the object manager.
#include "object/ViewObject.h"

#include <functional>
#include <memory>

using ChipCreator = std::function<std::unique_ptr<ViewObject>()>;
// Makes an object that rides on a placed block, given its direction parameter.
using ChipRiderCreator = std::function<std::unique_ptr<ViewObject>(int direction)>;

// The code of the chip whose top-left corner is at sheet pixel (chipX, chipY).
constexpr int ChipCode(int chipX, int chipY) {
    return (chipX / 32) * 100 + chipY / 32;
}

// Adds (or replaces) the creator for a chip code. Returns true, so it can
// initialise a static flag.
bool RegisterChipCreator(int code, ChipCreator creator);
bool HasChipCreator(int code);
// The circling fireball of chips 800 and 801 (direction 0 and 1), added at the
// cell's centre after the block it circles. Without it those chips are plain
// blocks.
bool RegisterGuruguruCreator(ChipRiderCreator creator);

// Creates what the chip (chipX, chipY) stands for on the cell whose top-left
// corner is (x, y) in screen pixels, and adds it to the object manager.
// Marker chips record positions in the current stage scene (StageHost).
void PlaceChip(int chipX, int chipY, float x, float y);
