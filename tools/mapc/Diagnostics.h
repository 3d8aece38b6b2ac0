#pragma once

#include <string>
#include <vector>

namespace mapc {

// One message about a source file, pointing at a line and column (both
// counted from 1; the column counts bytes; 0 when the message has none).
struct Diagnostic {
    enum class Severity { Warning, Error };

    Severity severity = Severity::Error;
    int line = 0;
    int column = 0;
    std::string message;
};

// Collects the messages of one run over one file and prints them in the
// usual "file:line:column: error: message" shape that editors can jump to.
class Diagnostics {
public:
    explicit Diagnostics(std::string fileName) : fileName_(std::move(fileName)) {}

    void Error(int line, int column, std::string message);
    void Warning(int line, int column, std::string message);

    bool HasErrors() const;
    const std::vector<Diagnostic>& All() const { return entries_; }
    std::string Format(const Diagnostic& entry) const;

private:
    std::string fileName_;
    std::vector<Diagnostic> entries_;
};

} // namespace mapc
