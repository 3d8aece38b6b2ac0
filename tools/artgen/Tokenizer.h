#pragma once
// Splits one manifest line into words. Double quotes group words with spaces
// ("Arcade Mode", font="DejaVu Sans Bold"); a backslash escapes the next
// character inside quotes. A '#' at the start of a word starts a comment.
#include <string>
#include <vector>

namespace artgen {

std::vector<std::string> SplitWords(const std::string& line);

} // namespace artgen
