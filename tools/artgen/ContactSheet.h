#pragma once
// One PNG showing every rendered picture on a checkerboard, each labelled
// with its path and size, for reviewing the art at a glance.
#include "Canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace artgen {

struct SheetEntry {
    std::string label;
    std::unique_ptr<Canvas> canvas;
};

void WriteContactSheet(const std::string& path, const std::vector<SheetEntry>& entries);

} // namespace artgen
