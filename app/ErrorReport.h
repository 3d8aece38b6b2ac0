#pragma once
#include <string>

namespace vrels {
// Reports an error that ends the program: log, standard error and, unless
// headless, a message box.
void ReportFatal(const std::string& message);
// Reports an error the game recovers from, the same three ways.
void ReportError(const std::string& message);
} // namespace vrels
