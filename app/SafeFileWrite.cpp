#include "app/SafeFileWrite.h"

#include "app/Log.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrels {

const char* const kSaveTempSuffix = ".tmp";

namespace {

SaveStepHook& Hook() {
    static SaveStepHook hook;
    return hook;
}

// Runs the test hook for a step; 0 lets the step go ahead.
int Injected(SaveStep step) {
    const SaveStepHook& hook = Hook();
    return hook ? hook(step) : 0;
}

void LogFailure(const std::string& path, const std::string& reason) {
    Log("Save failed: %s: %s\n", path.c_str(), reason.c_str());
}

std::string ErrnoText(const char* what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes all of [data, data + size) to fd; 0 or the errno of the failure.
int WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return 0;
}

// The steps from creating the temporary file to the rename. Returns the
// reason of the failure, empty on success. *created tells the caller whether
// a temporary file exists that must be removed.
std::string WriteAndReplace(const std::string& path, const std::string& temp,
                            const std::string& contents, mode_t mode, bool keepMode,
                            bool* created) {
    int error = Injected(SaveStep::OpenTemporary);
    int fd = -1;
    if (error == 0) {
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
        error = fd < 0 ? errno : 0;
    }
    if (error != 0) {
        return ErrnoText("cannot create the temporary file", error);
    }
    *created = true;
    // The new file keeps the permissions the old one had, whatever the umask.
    if (keepMode && ::fchmod(fd, mode) != 0) {
        Log("Save: %s: fchmod: %s\n", temp.c_str(), std::strerror(errno));
    }
    const size_t half = contents.size() / 2;
    error = Injected(SaveStep::WriteFirstHalf);
    if (error == 0) {
        error = WriteAll(fd, contents.data(), half);
    }
    if (error == 0) {
        error = Injected(SaveStep::WriteSecondHalf);
    }
    if (error == 0) {
        error = WriteAll(fd, contents.data() + half, contents.size() - half);
    }
    if (error != 0) {
        ::close(fd);
        return ErrnoText("write", error);
    }
    error = Injected(SaveStep::FlushTemporary);
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::close(fd);
        return ErrnoText("fsync", error);
    }
    error = Injected(SaveStep::CloseTemporary);
    if (error != 0) {
        ::close(fd);
    } else if (::close(fd) != 0) {
        error = errno;
    }
    if (error != 0) {
        return ErrnoText("close", error);
    }
    error = Injected(SaveStep::Rename);
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        return ErrnoText("rename", error);
    }
    *created = false;
    return std::string();
}

} // namespace

void SetSaveStepHook(SaveStepHook hook) {
    Hook() = std::move(hook);
}

bool IsProtectedFile(const std::string& path, std::string* reason) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) {
            return false;
        }
        *reason = ErrnoText("cannot look at the file", errno);
        return true;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = "not a regular file";
        return true;
    }
    // The permission bits are checked as well as access(), because the
    // superuser passes access() for a file its owner made unreadable.
    if ((st.st_mode & S_IRUSR) == 0 || ::access(path.c_str(), R_OK) != 0) {
        *reason = "the file cannot be read";
        return true;
    }
    if ((st.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0) {
        *reason = "the file is read-only";
        return true;
    }
    if (st.st_uid != ::geteuid()) {
        *reason = "the file belongs to another user";
        return true;
    }
    return false;
}

bool WriteFileSafely(const std::string& path, const std::string& contents) {
    std::string reason;
    int error = Injected(SaveStep::CheckTarget);
    if (error != 0) {
        LogFailure(path, ErrnoText("cannot look at the file", error));
        return false;
    }
    if (IsProtectedFile(path, &reason)) {
        LogFailure(path, reason + "; it is left as it is");
        return false;
    }
    mode_t mode = 0644;
    bool keepMode = false;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
        keepMode = true;
    }

    const std::string temp = path + kSaveTempSuffix;
    bool created = false;
    reason = WriteAndReplace(path, temp, contents, mode, keepMode, &created);
    if (!reason.empty()) {
        if (created && ::unlink(temp.c_str()) != 0 && errno != ENOENT) {
            Log("Save: cannot remove %s: %s\n", temp.c_str(), std::strerror(errno));
        }
        LogFailure(path, reason);
        return false;
    }

    // The rename is durable only once the folder itself reaches the disk. The
    // file is already complete here, so a failure is logged but not fatal.
    const std::string folder = FolderOf(path);
    error = Injected(SaveStep::FlushFolder);
    if (error == 0) {
        const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0 || ::fsync(dirFd) != 0) {
            error = errno;
        }
        if (dirFd >= 0) {
            ::close(dirFd);
        }
    }
    if (error != 0) {
        Log("Save: %s: fsync of the folder %s: %s\n", path.c_str(), folder.c_str(),
            std::strerror(error));
    }
    Injected(SaveStep::Done);
    return true;
}

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void RemoveIfRegular(const std::string& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return;
    }
    if (::unlink(file.c_str()) == 0) {
        Log("Removed %s, left by a save that did not finish\n", file.c_str());
    } else {
        Log("Cannot remove %s: %s\n", file.c_str(), std::strerror(errno));
    }
}

} // namespace

void RemoveStaleSaveTemporaries(const std::string& settingsPath, const std::string& rankingPath,
                                const std::string& replayFolder) {
    RemoveIfRegular(settingsPath + kSaveTempSuffix);
    RemoveIfRegular(rankingPath + kSaveTempSuffix);
    if (replayFolder.empty()) {
        return;
    }
    DIR* dir = ::opendir(replayFolder.c_str());
    if (!dir) {
        return; // no replay folder yet: nothing was saved there
    }
    const std::string tail = std::string(".rec") + kSaveTempSuffix;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (EndsWith(name, tail)) {
            RemoveIfRegular(replayFolder + "/" + name);
        }
    }
    ::closedir(dir);
}

} // namespace vrels
