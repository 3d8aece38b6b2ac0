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
    return fileName_ + ":" + std::to_string(entry.line) + ":" + std::to_string(entry.column) +
           ": " + kind + ": " + entry.message;
}

} // namespace mapc
