#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "Cp1250.h"
#include "FileSystem.h"
#include "Translate.h"

namespace tarvik {
namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

FileStamp StampOf(const struct stat& st) {
    return {ToDelphiDate(st.st_mtim.tv_sec, st.st_mtim.tv_nsec),
            static_cast<std::int64_t>(st.st_size)};
}

// A NUL byte would end the name the system sees early and name another file.
bool Nameable(const std::string& path) {
    return path.find('\0') == std::string::npos;
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return Nameable(path) && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return Nameable(path) && ::stat(path.c_str(), &st) == 0;
}

// Owns a descriptor; closed once the file has been read to its end.
class PosixFileSource final : public FileSource {
  public:
    PosixFileSource(std::string path, int fd, const struct stat& st)
        : path_(std::move(path)),
          fd_(fd),
          stamp_(StampOf(st)),
          identity_(std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino)) {}
    ~PosixFileSource() override { CloseFd(); }
    PosixFileSource(const PosixFileSource&) = delete;
    PosixFileSource& operator=(const PosixFileSource&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override {
        if (fd_ < 0) return 0;
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n > 0) return static_cast<std::size_t>(n);
            if (n == 0) {
                // Deep include chains would otherwise hold a descriptor per level.
                CloseFd();
                return 0;
            }
            if (errno != EINTR) {
                throw std::runtime_error(
                    FormatText(Translate("Scenery", "Błąd odczytu pliku %1: %2"),
                               {DisplayPath(path_), std::strerror(errno)}));
            }
        }
    }
    FileStamp Stamp() const override { return stamp_; }
    std::string Identity() const override { return identity_; }

  private:
    void CloseFd() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    std::string path_;
    int fd_;
    FileStamp stamp_;
    std::string identity_;
};

}  // namespace

double ToDelphiDate(std::int64_t seconds, std::int64_t nanoseconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    struct tm local {};
    if (!::localtime_r(&t, &local)) return 0;
    const std::int64_t days = DaysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) -
                              DaysFromCivil(1899, 12, 30);
    const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                               static_cast<double>(nanoseconds) / 1e9;
    return static_cast<double>(days) + secondOfDay / 86400.0;
}

bool PosixFileSystem::FileExists(const std::string& path) const {
    return IsRegularFile(path);
}

bool PosixFileSystem::Exists(const std::string& path) const {
    return PathExists(path);
}

std::vector<std::string> PosixFileSystem::ListDirectory(const std::string& dir) const {
    std::vector<std::string> names;
    if (!Nameable(dir)) return names;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return names;
    while (const dirent* e = ::readdir(d))
        names.emplace_back(e->d_name);
    ::closedir(d);
    return names;
}

std::optional<FileStamp> PosixFileSystem::Stamp(const std::string& path) const {
    struct stat st {};
    if (!Nameable(path) || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return StampOf(st);
}

std::unique_ptr<FileSource> PosixFileSystem::Open(const std::string& path) const {
    const auto failure = [&path](const std::string& reason) {
        return std::runtime_error(FormatText(
            Translate("Scenery", "Nie można otworzyć pliku %1: %2"), {DisplayPath(path), reason}));
    };
    if (!Nameable(path)) throw failure(std::strerror(ENOENT));
    // Without O_NONBLOCK opening a FIFO waits for a writer, and a device may wait too; what
    // opens is read only when it is a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) throw failure(std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        throw failure(std::strerror(err));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw failure(S_ISDIR(st.st_mode) ? Translate("Scenery", "to jest folder")
                                          : Translate("Scenery", "to nie jest zwykły plik"));
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return std::make_unique<PosixFileSource>(path, fd, st);
}

}  // namespace tarvik
