#include "lib/SoundErrorReport.h"

#include "app/Log.h"
#include "lib/Platform.h"

#include <cstdio>

namespace vrels::audio {

namespace {
// Only the game thread opens batches; the music worker reports outside them.
thread_local SoundReportBatch* g_batch = nullptr;

void ShowBox(const std::string& text) {
    vrels::platform::ShowMessage("error", text, vrels::platform::MessageKind::Warning);
}
} // namespace

void LogSoundError(const std::string& message) {
    Log("%s\n", message.c_str());
    std::fprintf(stderr, "vrels: %s\n", message.c_str());
}

void ReportSoundError(const std::string& message) {
    LogSoundError(message);
    if (g_batch) {
        g_batch->messages_.push_back(message);
    } else {
        ShowBox(message);
    }
}

SoundReportBatch::SoundReportBatch() : outer_(g_batch) {
    g_batch = this;
}

SoundReportBatch::~SoundReportBatch() {
    g_batch = outer_;
    if (messages_.empty()) {
        return;
    }
    std::string text;
    for (const auto& message : messages_) {
        text += message + "\n";
    }
    if (outer_) {
        outer_->messages_.insert(outer_->messages_.end(), messages_.begin(), messages_.end());
    } else {
        ShowBox(text);
    }
}

} // namespace vrels::audio
