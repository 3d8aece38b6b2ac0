#include "tools/mapc/Diagnostics.h"

namespace mapc {

void Diagnostics::Error(int line, int column, std::string message) {
    entries_.push_back({Diagnostic::Severity::Error, line, column, std::move(message)});
}

void Diagnostics::Warning(int line, int column, std::string message) {
    entries_.push_back({Diagnostic::Severity::Warning, line, column, std::move(message)});
}

bool Diagnostics::HasErrors() const {
    for (const Diagnostic& entry : entries_) {
        if (entry.severity == Diagnostic::Severity::Error) {
            return true;
        }
    }
    return false;
}

std::string Diagnostics::Format(const Diagnostic& entry) const {
    const char* kind = entry.severity == Diagnostic::Severity::Error ? "error" : "warning";
    // Messages about a whole element of an XML map have no column; messages
    // about the whole file have no line either.
    std::string place = fileName_;
    if (entry.line > 0) {
        place += ":" + std::to_string(entry.line);
        if (entry.column > 0) {
            place += ":" + std::to_string(entry.column);
        }
    }
    return place + ": " + kind + ": " + entry.message;
}

} // namespace mapc
