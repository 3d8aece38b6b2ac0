#pragma once

#include <string>
#include <vector>

namespace mapc {

// Hands out legend keys for a written source: well-known codes get the
// characters the hand-written maps use ("." empty, "S" start, "o" coin ...),
// everything else the next free character. When more keys are needed than
// single characters exist, every key becomes two or three characters long.
class LegendKeys {
public:
    // `values` are the canonical value texts in order of first use; `codes`
    // holds, for each, its plain code or -1 when it has none.
    LegendKeys(const std::vector<std::string>& values, const std::vector<int>& codes);

    // How many values single-character keys can tell apart.
    static std::size_t SingleCharacterCapacity();

    int CellWidth() const { return cellWidth_; }
    const std::string& KeyFor(std::size_t index) const { return keys_[index]; }

private:
    int cellWidth_ = 1;
    std::vector<std::string> keys_;
};

} // namespace mapc
