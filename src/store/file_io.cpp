// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace rodwick {

namespace {

// The system's reason for an error number; a failure that set none counts as an I/O error.
std::string reason(int err) {
    return std::strerror(err != 0 ? err : EIO);
}

Status failed(int err) {
    return Status::fail(reason(err));
}

// errno after a failed call, or EIO where the call (or a test's stand-in) set none.
int lastError() {
    return errno != 0 ? errno : EIO;
}

// A file descriptor, closed on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now: 0, or the error number.
    int close() {
        errno = 0;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : lastError();
    }

  private:
    int fd_;
};

// The temporary file of a save, removed unless the save kept it.
class TempFile {
  public:
    TempFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~TempFile() {
        if (!kept_) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    Descriptor& fd() { return fd_; }
    const std::string& path() const { return path_; }
    void keep() { kept_ = true; }

  private:
    std::string path_;
    Descriptor fd_;
    bool kept_ = false;
};

// Reads from the current offset to the end: 0, or the error number.
int readAll(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return lastError();
        if (n == 0) return 0;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

// Writes all bytes from the start of the file, continuing short writes: 0, or the error number.
int writeAllFromStart(int fd, std::string_view bytes, const FileOps& ops) {
    if (::lseek(fd, 0, SEEK_SET) != 0) return lastError();
    std::size_t written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const long n = ops.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        // A write that makes no progress would otherwise be retried for ever.
        if (n <= 0) return lastError();
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// Permission bits for a new file: what a plain create would give.
mode_t creationMode() {
    // umask can only be read by setting it; the program has a single thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// A save through a symbolic link replaces the file it points to, not the link. A link whose
// file does not exist yet is followed too, so that the save creates that file and the link
// stays. A loop of links, or one too long to read, comes back as it was.
std::string resolveTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
        if (char* real = ::realpath(target.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return path;
        link.resize(static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : folderOf(target) + link;
    }
    return path;
}

// Only for a folder that takes no temporary file: the file is overwritten where it stands.
// Its old content is read first and put back when the new one cannot be written whole; the
// blocks the old content used are still the file's, so putting it back needs no new room.
Status writeInPlace(const std::string& target, std::string_view bytes, const FileOps& ops) {
    errno = 0;
    Descriptor file(ops.open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0) return failed(lastError());
    std::string old;
    if (const int err = readAll(file.get(), old)) return failed(err);

    int err = writeAllFromStart(file.get(), bytes, ops);
    if (err == 0 && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) {
        err = lastError();
    }
    errno = 0;
    if (err == 0 && ops.fsync(file.get()) != 0) err = lastError();
    if (err != 0) {
        const bool restored = writeAllFromStart(file.get(), old, FileOps::system()) == 0 &&
                              ::ftruncate(file.get(), static_cast<off_t>(old.size())) == 0;
        (void)restored;  // nothing better is left to try
        return failed(err);
    }
    if (const int closeErr = file.close()) return failed(closeErr);
    return Status::success();
}

FileStamp stampOf(const struct stat& st) {
    return {.size = static_cast<std::uintmax_t>(st.st_size),
            .modifiedNs =
                static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

}  // namespace

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Result<std::string> readFileBytes(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return Result<std::string>::fail("Cannot open " + path + ": " + reason(errno));
    }
    std::string bytes;
    if (const int err = readAll(file.get(), bytes)) {
        return Result<std::string>::fail("Cannot read " + path + ": " + reason(err));
    }
    return bytes;
}

Result<std::optional<FileStamp>> fileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::optional<FileStamp>();
        return Result<std::optional<FileStamp>>::fail(reason(errno));
    }
    if (!S_ISREG(st.st_mode)) return std::optional<FileStamp>();
    return std::optional<FileStamp>(stampOf(st));
}

Result<FileContent> readFileContent(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return Result<FileContent>::fail("Cannot open " + path + ": " + reason(errno));
    }
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) {
        return Result<FileContent>::fail("Cannot read " + path + ": " + reason(errno));
    }
    FileContent content{.bytes = {}, .stamp = stampOf(st)};
    if (const int err = readAll(file.get(), content.bytes)) {
        return Result<FileContent>::fail("Cannot read " + path + ": " + reason(err));
    }
    return content;
}

std::int64_t wallClockNs() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

const FileOps& FileOps::system() {
    static const FileOps kOps{
        [](int fd, const char* data, std::size_t size) -> long {
            return static_cast<long>(::write(fd, data, size));
        },
        [](int fd) { return ::fsync(fd); },
        [](const char* from, const char* to) { return ::rename(from, to); },
        [](const char* path, int mode) { return ::access(path, mode); },
        [](char* pattern) { return ::mkstemp(pattern); },
        [](const char* path, int flags) { return ::open(path, flags); },
    };
    return kOps;
}

Status writeFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops) {
    const std::string target = resolveTarget(path);
    // A link still unresolved leads nowhere: replacing it would lose the link.
    if (struct stat link{}; ::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        return failed(ELOOP);
    }
    const std::string dir = folderOf(target);
    const std::string name = target.substr(dir.size());
    if (name.empty()) return failed(EISDIR);

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    // The rename below needs only the folder's permission: without this check a file the user
    // may not change would be replaced all the same.
    errno = 0;
    if (exists && ops.access(target.c_str(), W_OK) != 0) return failed(lastError());

    // In the target's folder, so that the rename never crosses file systems. The name is cut
    // so that the temporary name fits where the target's own longest name does.
    constexpr std::size_t kLongestName = NAME_MAX - std::char_traits<char>::length("..XXXXXX");
    std::string pattern = dir + "." + name.substr(0, kLongestName) + ".XXXXXX";
    errno = 0;
    const int fd = ops.mkstemp(pattern.data());
    if (fd < 0) {
        const int err = lastError();
        // A folder that takes no new file (not writable, no room for one more name) may still
        // hold a file the user may write: saving it in place loses the all-or-nothing rename
        // but not the user's work.
        if (exists && S_ISREG(st.st_mode)) return writeInPlace(target, bytes, ops);
        return failed(err);
    }
    TempFile temp(pattern, fd);
    // Best effort: some file systems keep no permission bits.
    ::fchmod(fd, exists ? st.st_mode & 07777 : creationMode());

    if (const int err = writeAllFromStart(fd, bytes, ops)) return failed(err);
    errno = 0;
    if (ops.fsync(fd) != 0) return failed(lastError());
    if (const int err = temp.fd().close()) return failed(err);
    errno = 0;
    if (ops.rename(temp.path().c_str(), target.c_str()) != 0) return failed(lastError());
    temp.keep();

    // Make the rename itself durable; the new content is already safe if this fails.
    Descriptor folder(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ops.fsync(folder.get());
    return Status::success();
}

}  // namespace rodwick
