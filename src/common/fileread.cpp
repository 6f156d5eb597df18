#include "common/fileread.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "common/cp1252.h"
#include "common/largememory.h"

namespace kubato {

namespace {

std::string reasonFor(int error)
{
    switch (error) {
    case ENOENT:
        return std::string("Datei nicht gefunden"_cp);
    case EACCES:
    case EPERM:
        return std::string("keine Leseberechtigung"_cp);
    case EISDIR:
        return std::string("das ist ein Verzeichnis, keine Datei"_cp);
    case ENOTDIR:
        return std::string("ein Teil des Pfades ist kein Verzeichnis"_cp);
    case ENAMETOOLONG:
        return std::string("der Dateiname ist zu lang"_cp);
    case ENOMEM:
        return std::string("nicht genug Arbeitsspeicher für diese Datei"_cp);
    default:
        return utf8ToCp1252(std::strerror(error));
    }
}

FileContent failure(int error)
{
    FileContent content;
    content.reason = reasonFor(error);
    return content;
}

// Closes the descriptor when reading ends, however it ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : mFd(fd) {}
    ~FileDescriptor()
    {
        if (mFd >= 0) {
            ::close(mFd);
        }
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return mFd; }

private:
    int mFd;
};

} // namespace

FileContent readFile(const std::string &path)
{
    if (path.empty()) {
        return failure(ENOENT);
    }
    // O_NONBLOCK keeps a named pipe from blocking the open; such files are refused below.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return failure(errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failure(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return failure(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        FileContent content;
        content.reason = std::string("das ist keine gewöhnliche Datei"_cp);
        return content;
    }
    FileContent content;
    try {
        content.bytes.reserve(static_cast<std::size_t>(info.st_size));
        prefaultPages(content.bytes.data(), content.bytes.capacity());
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return failure(errno);
            }
            if (n == 0) {
                break;
            }
            content.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    } catch (const std::bad_alloc &) {
        return failure(ENOMEM);
    } catch (const std::length_error &) {
        return failure(ENOMEM);
    }
    content.ok = true;
    return content;
}

} // namespace kubato
