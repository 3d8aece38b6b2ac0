#pragma once
// How sound failures reach the player: every failure is logged and printed to
// standard error at once; the message box (titled "error", warning icon, never
// when headless) is shown per failure, except inside a SoundReportBatch, which
// gathers the failures of a whole loading pass into one box at its end.
#include <string>
#include <vector>

namespace vrels::audio {

void ReportSoundError(const std::string& message);
// Log and standard error only: for the music, whose failures come from its
// worker thread or from scenes changing tracks, and must not stop the game
// with a dialog.
void LogSoundError(const std::string& message);

class SoundReportBatch {
public:
    SoundReportBatch();
    ~SoundReportBatch();
    SoundReportBatch(const SoundReportBatch&) = delete;
    SoundReportBatch& operator=(const SoundReportBatch&) = delete;

    const std::vector<std::string>& Messages() const { return messages_; }

private:
    friend void ReportSoundError(const std::string& message);
    std::vector<std::string> messages_;
    SoundReportBatch* outer_ = nullptr;
};

} // namespace vrels::audio
