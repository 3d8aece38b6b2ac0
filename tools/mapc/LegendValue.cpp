#include "tools/mapc/LegendValue.h"

#include <cctype>

#include "tools/mapc/ChipCode.h"

namespace mapc {
namespace {

// A small cursor over the value text that skips blanks between tokens.
class Cursor {
public:
    explicit Cursor(const std::string& text) : text_(text) {}

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }
    bool AtEnd() {
        SkipBlanks();
        return pos_ >= text_.size();
    }
    bool Take(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool TakeWord(const std::string& word) {
        SkipBlanks();
        if (text_.compare(pos_, word.size(), word) == 0) {
            pos_ += word.size();
            return true;
        }
        return false;
    }
    // A decimal number of at most nine digits (so it always fits an int).
    bool TakeNumber(long long& number) {
        SkipBlanks();
        std::size_t digits = 0;
        number = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            if (++digits > 9) {
                return false;
            }
            number = number * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        return digits > 0;
    }

private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

bool TakeChip(Cursor& cursor, LegendValue& value, std::string& error) {
    if (cursor.TakeWord("empty")) {
        value.cell.chipX = 0;
        value.cell.chipY = 0;
        value.code = 0;
        return true;
    }
    long long x = 0;
    long long y = 0;
    if (cursor.Take('@')) {
        value.plainCode = false;
        if (!cursor.TakeNumber(x) || !cursor.Take(',') || !cursor.TakeNumber(y) || x > 0xFFFF ||
            y > 0xFFFF) {
            error = "raw chip pixels must be '@X,Y' with X and Y from 0 to 65535";
            return false;
        }
        value.cell.chipX = static_cast<std::uint16_t>(x);
        value.cell.chipY = static_cast<std::uint16_t>(y);
        return true;
    }
    long long code = 0;
    if (!cursor.TakeNumber(code)) {
        error = "expected 'empty', a chip code or '@X,Y'";
        return false;
    }
    const auto pixel = ChipPixelOf(static_cast<int>(code));
    if (!pixel || code > kMaxChipCode) {
        error = "chip code " + std::to_string(code) + " lies beyond the sheet a map can address";
        return false;
    }
    value.cell.chipX = pixel->x;
    value.cell.chipY = pixel->y;
    value.code = static_cast<int>(code);
    return true;
}

} // namespace

bool ParseLegendValue(const std::string& text, LegendValue& value, std::string& error) {
    value = LegendValue{};
    Cursor cursor(text);
    if (!TakeChip(cursor, value, error)) {
        return false;
    }
    if (cursor.Take('+')) {
        value.plainCode = false;
        long long object = 0;
        if (!cursor.TakeNumber(object) || object < 1 || object > 0xFFFF) {
            error = "the object code after '+' must be a number from 1 to 65535";
            return false;
        }
        value.cell.objectCode = static_cast<std::uint16_t>(object);
    }
    if (!cursor.AtEnd()) {
        error = "unexpected text after the value";
        return false;
    }
    return true;
}

std::string FormatCellValue(const Cell& cell) {
    std::string text;
    const auto code = ChipCodeOf({cell.chipX, cell.chipY});
    if (!code) {
        text = "@" + std::to_string(cell.chipX) + "," + std::to_string(cell.chipY);
    } else if (*code == 0) {
        text = "empty";
    } else {
        text = std::to_string(*code);
    }
    if (cell.objectCode != 0) {
        text += " + " + std::to_string(cell.objectCode);
    }
    return text;
}

std::string FormatObjectValue(int objectCode) {
    return objectCode == 0 ? "empty" : std::to_string(objectCode);
}

} // namespace mapc
