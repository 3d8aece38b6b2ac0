#include "app/Log.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <iconv.h>
#include <vector>

namespace vrels {

namespace {
std::string g_logPath = "log.txt";
}

void SetLogPath(const std::string& path) {
    g_logPath = path;
}
const std::string& LogPath() {
    return g_logPath;
}

std::string ToShiftJis(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return utf8;
    }
    std::string out;
    std::vector<char> buffer(utf8.size() * 2 + 16);
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            // An unmappable or broken sequence: emit '?' and skip one byte.
            out.push_back('?');
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace vrels

void Log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        va_end(args);
        return;
    }
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);

    std::FILE* file = std::fopen(vrels::LogPath().c_str(), "a");
    if (!file) {
        return;
    }
    const std::string bytes =
        vrels::ToShiftJis(std::string(text.data(), static_cast<size_t>(length)));
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
