#include "PieceLayout.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace musicgen {

namespace {

void ReadMeter(const std::string& value, PieceLayout& layout) {
    if (value == "C") {
        layout.meterNumerator = 4;
        layout.meterDenominator = 4;
        return;
    }
    if (value == "C|") {
        layout.meterNumerator = 2;
        layout.meterDenominator = 2;
        return;
    }
    int num = 0;
    int den = 0;
    char slash = 0;
    std::istringstream in(value);
    if (!(in >> num >> slash >> den) || slash != '/' || num <= 0 || den <= 0) {
        throw std::runtime_error("unsupported meter \"" + value + "\"");
    }
    layout.meterNumerator = num;
    layout.meterDenominator = den;
}

void ReadDirective(std::istringstream& in, PieceLayout& layout) {
    std::string key;
    in >> key;
    bool ok = true;
    if (key == "intro-bars") {
        ok = static_cast<bool>(in >> layout.introBars) && layout.introBars >= 0;
    } else if (key == "loop-bars") {
        ok = static_cast<bool>(in >> layout.loopBars) && layout.loopBars >= 0;
    } else if (key == "tail") {
        ok = static_cast<bool>(in >> layout.tailSeconds) && layout.tailSeconds >= 0;
    } else if (key == "fade") {
        ok = static_cast<bool>(in >> layout.fadeSeconds) && layout.fadeSeconds >= 0;
    } else if (key == "join") {
        ok = static_cast<bool>(in >> layout.joinSeconds) && layout.joinSeconds >= 0;
    } else {
        throw std::runtime_error("unknown directive \"" + key + "\"");
    }
    if (!ok) {
        throw std::runtime_error("bad value for \"" + key + "\"");
    }
}

std::string Trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t\r");
    size_t end = text.find_last_not_of(" \t\r");
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

} // namespace

PieceLayout ReadPieceLayout(const std::string& abcPath) {
    std::ifstream file(abcPath);
    if (!file) {
        throw std::runtime_error("cannot open " + abcPath);
    }
    PieceLayout layout;
    bool meterSeen = false;
    std::string line;
    int lineNumber = 0;
    while (std::getline(file, line)) {
        ++lineNumber;
        try {
            if (line.rfind("%vrels", 0) == 0) {
                std::istringstream in(line.substr(6));
                ReadDirective(in, layout);
            } else if (!meterSeen && line.rfind("M:", 0) == 0) {
                ReadMeter(Trim(line.substr(2)), layout);
                meterSeen = true;
            } else if (layout.title.empty() && line.rfind("T:", 0) == 0) {
                layout.title = Trim(line.substr(2));
            }
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(abcPath + ":" + std::to_string(lineNumber) + ": " +
                                     error.what());
        }
    }
    return layout;
}

} // namespace musicgen
