#include "app/Ranking.h"

#include "app/Log.h"
#include "app/PlayerInfomation.h"
#include "app/SafeFileWrite.h"
#include "app/SystemInfo.h"

#include <algorithm>
#include <boost/tokenizer.hpp>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace vrels {

namespace {

// A decimal number at the start of the text (after blanks, with an optional
// sign), as atoi reads it; false when there is no digit at all.
bool LeadingNumber(const std::string& text, long long* value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(begin, &end, 10);
    if (end == begin) {
        return false;
    }
    *value = parsed;
    return true;
}

bool Printable(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return u >= 32 && u < 127;
    });
}

} // namespace

std::vector<RankingEntry_t> DefaultRanking() {
    static const char* const names[] = {"MRY", "SKV", "VRL", "LUN", "ASH",
                                        "IVY", "ROS", "OWL", "KIT", "NEL"};
    static const int difficulties[] = {2, 2, 2, 1, 1, 1, 0, 0, 0, 0};
    std::vector<RankingEntry_t> ranking;
    for (int i = 0; i < RankingSize; ++i) {
        RankingEntry_t entry;
        entry.score = 10000 - 1000 * i;
        entry.name = names[i];
        entry.difficulty = static_cast<std::uint8_t>(difficulties[i]);
        ranking.push_back(entry);
    }
    return ranking;
}

bool ParseRankingLine(const std::string& line, RankingEntry_t* entry) {
    // Empty fields are skipped, as the file has always been read.
    const boost::char_separator<char> comma(",\r\n");
    const boost::tokenizer<boost::char_separator<char>> tokens(line, comma);
    std::vector<std::string> fields(tokens.begin(), tokens.end());
    if (fields.size() < 3) {
        return false;
    }
    long long score = 0;
    long long difficulty = 0;
    if (!LeadingNumber(fields[0], &score) || !LeadingNumber(fields[2], &difficulty) ||
        !Printable(fields[1])) {
        return false;
    }
    entry->score = static_cast<int>(std::clamp<long long>(score, 0, PlayerInfomation::MaxScore));
    entry->name = fields[1];
    entry->difficulty = static_cast<std::uint8_t>(std::clamp<long long>(difficulty, 0, 3));
    return true;
}

void LoadRanking(SystemInfo_t& info, const std::string& path) {
    const std::vector<RankingEntry_t> defaults = DefaultRanking();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        info.ranking = defaults;
        return;
    }
    std::vector<RankingEntry_t> ranking;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line) && static_cast<int>(ranking.size()) < RankingSize) {
        ++lineNumber;
        RankingEntry_t entry;
        if (ParseRankingLine(line, &entry)) {
            ranking.push_back(entry);
        } else if (line.find_first_not_of(" \t\r") != std::string::npos) {
            Log("%s: line %d is not a ranking entry; skipped\n", path.c_str(), lineNumber);
        }
    }
    // Places the file does not fill keep the default ranking's entries. The
    // lines stay in the file's order: the file is the ranking as it was
    // written, best first, and is shown as it stands.
    for (size_t i = ranking.size(); i < defaults.size(); ++i) {
        ranking.push_back(defaults[i]);
    }
    info.ranking = ranking;
}

bool SaveRanking(const SystemInfo_t& info, const std::string& path) {
    // Saved whole through a flushed temporary file, so a kill leaves the old
    // or the new ranking; failures are logged with the path.
    std::string text;
    char line[64];
    for (const auto& entry : info.ranking) {
        std::snprintf(line, sizeof(line), "%d,", entry.score);
        text += line;
        text += entry.name;
        std::snprintf(line, sizeof(line), ",%d\n", entry.difficulty);
        text += line;
    }
    return WriteFileSafely(path, text);
}

bool EntersRanking(const std::vector<RankingEntry_t>& ranking, int score) {
    return std::any_of(ranking.begin(), ranking.end(),
                       [score](const RankingEntry_t& e) { return e.score < score; });
}

bool InsertRanking(std::vector<RankingEntry_t>& ranking, const RankingEntry_t& entry) {
    const auto lower = std::find_if(ranking.begin(), ranking.end(),
                                    [&](const RankingEntry_t& e) { return e.score < entry.score; });
    if (lower == ranking.end()) {
        return false;
    }
    ranking.insert(lower, entry);
    ranking.pop_back();
    return true;
}

const char* DifficultyName(int difficulty) {
    static const char* const names[] = {"EASY", "NORMAL", "HARD", "VERYHARD"};
    return names[std::clamp(difficulty, 0, 3)];
}

} // namespace vrels
