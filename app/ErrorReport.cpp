#include "app/ErrorReport.h"

#include "app/Log.h"
#include "lib/Platform.h"

#include <cstdio>

namespace vrels {

void ReportFatal(const std::string& message) {
    Log("%s\n", message.c_str());
    std::fprintf(stderr, "vrels: %s\n", message.c_str());
    platform::ShowMessage("Vrel's Skarov", message, platform::MessageKind::Error);
}

void ReportError(const std::string& message) {
    Log("%s\n", message.c_str());
    std::fprintf(stderr, "vrels: %s\n", message.c_str());
    platform::ShowMessage("Vrel's Skarov", message, platform::MessageKind::Error);
}

} // namespace vrels
