#pragma once
// The high-score table kept in "score.ini": one "score,name,difficulty" line
// per entry, best first, always ten entries in memory.
#include <string>
#include <vector>

struct RankingEntry_t;
struct SystemInfo_t;

namespace vrels {

constexpr int RankingSize = 10;

// Ten entries from 10000 down to 1000 by invented players.
std::vector<RankingEntry_t> DefaultRanking();

// Reads one line of the file into entry; false when the line is not a
// ranking entry (fewer than three fields, or a field that is not a number
// where one belongs). Scores are kept within 0..999999999 and difficulties
// within 0..3.
bool ParseRankingLine(const std::string& line, RankingEntry_t* entry);

// Reads the ranking file. A missing file gives the default ranking; lines that
// do not parse are skipped, the others are taken in file order, unsorted, and
// places the file does not fill are taken from the default ranking, so the
// table is always ten long.
void LoadRanking(SystemInfo_t& info, const std::string& path);

// Writes the whole table through a temporary file that replaces the old one,
// so a crash never leaves a half-written ranking. False when it cannot be written.
bool SaveRanking(const SystemInfo_t& info, const std::string& path);

// True when the score would take a place: some entry scores strictly lower.
bool EntersRanking(const std::vector<RankingEntry_t>& ranking, int score);

// Puts the entry before the first entry that scores strictly lower (an equal
// score goes after the existing ones) and drops the last entry, so the table
// keeps its length. False, and nothing changes, when no entry is lower.
bool InsertRanking(std::vector<RankingEntry_t>& ranking, const RankingEntry_t& entry);

// "EASY", "NORMAL", "HARD", "VERYHARD".
const char* DifficultyName(int difficulty);

} // namespace vrels
