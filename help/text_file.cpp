#include "help/text_file.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmor {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kMegabyte = 1024 * 1024;
    return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB" : std::to_string(bytes) + " bytes";
}

// Reads at most limit + 1 bytes, so a file that grew after its size was checked
// (or reports none, as /proc files do) is still caught.
// `expected` is the size the file reports, so a large file is read into one
// buffer of its size rather than copied as the text grows.
std::optional<std::string> readAtMost(int fd, std::size_t limit, std::size_t expected, std::string& error) {
    std::string text;
    text.reserve(std::min(expected, limit) + 1);
    char buffer[64 * 1024];
    while (text.size() <= limit) {
        const std::size_t want = std::min(sizeof buffer, limit + 1 - text.size());
        const ssize_t got = ::read(fd, buffer, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = "the file cannot be read";
            return std::nullopt;
        }
        if (got == 0) return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    error = "the file is larger than " + sizeText(limit);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> readTextFile(const std::string& path, std::size_t limit, std::string& error) {
    // Non-blocking, so that opening a pipe with no writer returns at once; the
    // type check below then refuses it.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        error = "the file cannot be opened";
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        error = "the file cannot be read";
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "it is not a regular file";
        return std::nullopt;
    }
    if (info.st_size > 0 && static_cast<unsigned long long>(info.st_size) > limit) {
        error = "the file is larger than " + sizeText(limit);
        return std::nullopt;
    }
    auto text = readAtMost(file.get(), limit, static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)), error);
    if (text && text->find('\0') != std::string::npos) {
        error = "it is not a text file";
        return std::nullopt;
    }
    return text;
}

}  // namespace velmor
