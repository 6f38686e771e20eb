#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace rodwick {

namespace {

// The system's reason for an error number; a failure that set none counts as an I/O error.
std::string Reason(int err) {
    return std::strerror(err != 0 ? err : EIO);
}

Status Failed(int err) {
    return Status::Fail(Reason(err));
}

// errno after a failed call, or EIO where the call (or a test's stand-in) set none.
int LastError() {
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
    int Close() {
        errno = 0;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : LastError();
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
    void Keep() { kept_ = true; }

  private:
    std::string path_;
    Descriptor fd_;
    bool kept_ = false;
};

// Reads from the current offset to the end: 0, or the error number.
int ReadAll(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return LastError();
        if (n == 0) return 0;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

// Writes all bytes from the start of the file, continuing short writes: 0, or the error number.
int WriteAllFromStart(int fd, std::string_view bytes, const FileOps& ops) {
    if (::lseek(fd, 0, SEEK_SET) != 0) return LastError();
    std::size_t written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const long n = ops.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        // A write that makes no progress would otherwise be retried for ever.
        if (n <= 0) return LastError();
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// Permission bits for a new file: what a plain create would give.
mode_t CreationMode() {
    // umask can only be read by setting it; the program has a single thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// A save through a symbolic link replaces the file it points to, not the link. A link whose
// file does not exist yet is followed too, so that the save creates that file and the link
// stays. A loop of links, or one too long to read, comes back as it was.
std::string ResolveTarget(const std::string& path) {
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
        target = link.front() == '/' ? link : FolderOf(target) + link;
    }
    return path;
}

// Only for a folder that takes no temporary file: the file is overwritten where it stands.
// Its old content is read first and put back when the new one cannot be written whole; the
// blocks the old content used are still the file's, so putting it back needs no new room.
Status WriteInPlace(const std::string& target, std::string_view bytes, const FileOps& ops) {
    errno = 0;
    Descriptor file(ops.open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0) return Failed(LastError());
    std::string old;
    if (const int err = ReadAll(file.get(), old)) return Failed(err);

    int err = WriteAllFromStart(file.get(), bytes, ops);
    if (err == 0 && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) {
        err = LastError();
    }
    errno = 0;
    if (err == 0 && ops.fsync(file.get()) != 0) err = LastError();
    if (err != 0) {
        const bool restored = WriteAllFromStart(file.get(), old, FileOps::System()) == 0 &&
                              ::ftruncate(file.get(), static_cast<off_t>(old.size())) == 0;
        (void)restored;  // nothing better is left to try
        return Failed(err);
    }
    if (const int closeErr = file.Close()) return Failed(closeErr);
    return Status::Ok();
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Result<std::string> ReadFileBytes(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return Result<std::string>::Fail("Cannot open " + path + ": " + Reason(errno));
    }
    std::string bytes;
    if (const int err = ReadAll(file.get(), bytes)) {
        return Result<std::string>::Fail("Cannot read " + path + ": " + Reason(err));
    }
    return bytes;
}

const FileOps& FileOps::System() {
    static const FileOps ops{
        [](int fd, const char* data, std::size_t size) -> long {
            return static_cast<long>(::write(fd, data, size));
        },
        [](int fd) { return ::fsync(fd); },
        [](const char* from, const char* to) { return ::rename(from, to); },
        [](const char* path, int mode) { return ::access(path, mode); },
        [](char* pattern) { return ::mkstemp(pattern); },
        [](const char* path, int flags) { return ::open(path, flags); },
    };
    return ops;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops) {
    const std::string target = ResolveTarget(path);
    // A link still unresolved leads nowhere: replacing it would lose the link.
    if (struct stat link{}; ::lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        return Failed(ELOOP);
    }
    const std::string dir = FolderOf(target);
    const std::string name = target.substr(dir.size());
    if (name.empty()) return Failed(EISDIR);

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    // The rename below needs only the folder's permission: without this check a file the user
    // may not change would be replaced all the same.
    errno = 0;
    if (exists && ops.access(target.c_str(), W_OK) != 0) return Failed(LastError());

    // In the target's folder, so that the rename never crosses file systems. The name is cut
    // so that the temporary name fits where the target's own longest name does.
    constexpr std::size_t kLongestName = NAME_MAX - std::char_traits<char>::length("..XXXXXX");
    std::string pattern = dir + "." + name.substr(0, kLongestName) + ".XXXXXX";
    errno = 0;
    const int fd = ops.mkstemp(pattern.data());
    if (fd < 0) {
        const int err = LastError();
        // A folder that takes no new file (not writable, no room for one more name) may still
        // hold a file the user may write: saving it in place loses the all-or-nothing rename
        // but not the user's work.
        if (exists && S_ISREG(st.st_mode)) return WriteInPlace(target, bytes, ops);
        return Failed(err);
    }
    TempFile temp(pattern, fd);
    // Best effort: some file systems keep no permission bits.
    ::fchmod(fd, exists ? st.st_mode & 07777 : CreationMode());

    if (const int err = WriteAllFromStart(fd, bytes, ops)) return Failed(err);
    errno = 0;
    if (ops.fsync(fd) != 0) return Failed(LastError());
    if (const int err = temp.fd().Close()) return Failed(err);
    errno = 0;
    if (ops.rename(temp.path().c_str(), target.c_str()) != 0) return Failed(LastError());
    temp.Keep();

    // Make the rename itself durable; the new content is already safe if this fails.
    Descriptor folder(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ops.fsync(folder.get());
    return Status::Ok();
}

}  // namespace rodwick
