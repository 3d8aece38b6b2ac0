#include "tools/mapc/LegendKeys.h"

#include <map>
#include <set>

namespace mapc {
namespace {

// Key characters in the order they are handed out; '|' frames rows and the
// blank is left out because it is hard to read in a legend.
const std::string& Alphabet() {
    static const std::string alphabet = "#ABDEFHIJKLMNOPQRTUVWXYZabcefghijklnpqrstuwyz0123456789"
                                        "%&()*,/:;<>?@[]_`{}$'\\\"-+=^~!.SGomCxvd";
    return alphabet;
}

// Characters the hand-written maps use for the codes with a fixed meaning.
const std::map<int, char>& PreferredCharacters() {
    static const std::map<int, char> preferred = {
        {0, '.'},   {709, 'S'}, {8, 'G'},   {208, 'o'},  {308, 'm'},  {408, 'C'},  {508, '+'},
        {608, 'e'}, {6, 'd'},   {108, '='}, {501, 'x'},  {2, '{'},    {3, '-'},    {102, '}'},
        {901, 'B'}, {902, 'b'}, {800, 'g'}, {1700, '^'}, {1800, 'v'}, {1900, '*'}, {1901, '!'},
    };
    return preferred;
}

} // namespace

std::size_t LegendKeys::SingleCharacterCapacity() {
    return Alphabet().size();
}

LegendKeys::LegendKeys(const std::vector<std::string>& values, const std::vector<int>& codes) {
    const std::string& alphabet = Alphabet();
    keys_.resize(values.size());
    if (values.size() <= alphabet.size()) {
        std::set<char> taken;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto preferred = PreferredCharacters().find(codes[i]);
            if (preferred != PreferredCharacters().end()) {
                keys_[i] = std::string(1, preferred->second);
                taken.insert(preferred->second);
            }
        }
        std::size_t next = 0;
        for (std::string& key : keys_) {
            if (!key.empty()) {
                continue;
            }
            while (taken.count(alphabet[next]) != 0) {
                ++next;
            }
            key = std::string(1, alphabet[next]);
            taken.insert(alphabet[next]);
        }
        return;
    }
    // Too many values for single characters: number them in the alphabet's base.
    const std::size_t base = alphabet.size();
    std::size_t capacity = base;
    while (capacity < values.size()) {
        capacity *= base;
        ++cellWidth_;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::string key(static_cast<std::size_t>(cellWidth_), ' ');
        std::size_t rest = i;
        for (int digit = cellWidth_ - 1; digit >= 0; --digit) {
            key[static_cast<std::size_t>(digit)] = alphabet[rest % base];
            rest /= base;
        }
        keys_[i] = key;
    }
}

} // namespace mapc
