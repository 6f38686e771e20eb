#include "database_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace rodwick {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string ErrnoText(int err) {
    return err != 0 ? std::string(std::strerror(err)) : std::string("unknown error");
}

// Removes the temporary file of a save that did not complete.
class TempFile {
  public:
    explicit TempFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void Keep() { kept_ = true; }

  private:
    std::string path_;
    int fd_;
    bool kept_ = false;
};

// Permission bits for the new file: the old file's, else what a plain create would give.
mode_t ModeForNewFile(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    // umask can only be read by setting it; the program has a single thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A save through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

}  // namespace

void AppendTextLine(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out.push_back(' ');
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    out.append(kLineEnd);
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            lines.push_back(std::move(current));
            current.clear();
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current.push_back(bytes[i]);
        }
    }
    if (!current.empty()) {
        lines.push_back(std::move(current));
    }
    return lines;
}

std::string FormatNumber(long long n) {
    // The sign's place is a blank for positive numbers.
    const std::string digits = std::to_string(n);
    return (n < 0 ? "" : " ") + digits + " ";
}

long long ParseCount(std::string_view line) {
    const std::string_view digits = TrimBlanks(line);
    if (digits.empty()) return -1;
    long long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return -1;
        if (value > (LLONG_MAX - (c - '0')) / 10) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

Result<std::vector<TripRecord>> ParseDatabase(std::string_view bytes) {
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty()) {
        return Result<std::vector<TripRecord>>::Fail("The file is empty.");
    }
    const long long count = ParseCount(lines[0]);
    if (count < 0) {
        return Result<std::vector<TripRecord>>::Fail("The record count is not a whole number.");
    }
    if (count > RecordTable::kMaxRecords) {
        return Result<std::vector<TripRecord>>::Fail(
            "The file holds more than " + std::to_string(RecordTable::kMaxRecords) + " records.");
    }
    const std::size_t needed = 1 + static_cast<std::size_t>(count) * kFieldCount;
    if (lines.size() < needed) {
        return Result<std::vector<TripRecord>>::Fail(
            "The file ends before record " + std::to_string((lines.size() - 1) / kFieldCount + 1) +
            " is complete.");
    }
    std::vector<TripRecord> records(static_cast<std::size_t>(count));
    std::size_t line = 1;
    for (TripRecord& record : records) {
        for (std::string& field : record.fields) {
            field = lines[line++];
        }
    }
    return records;
}

std::string FormatDatabase(const RecordTable& table) {
    std::string out = FormatNumber(table.recordCount());
    out.append(kLineEnd);
    for (int k = 1; k <= table.recordCount(); ++k) {
        for (const std::string& field : table.slot(k).fields) {
            AppendTextLine(out, field);
        }
    }
    return out;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Result<std::string> ReadFileBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return Result<std::string>::Fail("Cannot open " + path + ": " + ErrnoText(errno));
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return Result<std::string>::Fail("Cannot read " + path + ": " + ErrnoText(err));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

Result<std::vector<TripRecord>> ReadDatabaseFile(const std::string& path) {
    Result<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        return Result<std::vector<TripRecord>>::Fail(bytes.error());
    }
    Result<std::vector<TripRecord>> records = ParseDatabase(bytes.value());
    if (!records) {
        return Result<std::vector<TripRecord>>::Fail(path + ": " + records.error());
    }
    return records;
}

const FileOps& FileOps::System() {
    static const FileOps ops{
        [](int fd, const char* data, std::size_t size) -> long {
            return static_cast<long>(::write(fd, data, size));
        },
        [](int fd) { return ::fsync(fd); },
        [](const char* from, const char* to) { return ::rename(from, to); },
    };
    return ops;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops) {
    const std::string target = ResolveTarget(path);
    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) {
        return Status::Fail("Cannot save to " + path + ": no file name.");
    }
    const auto fail = [&path](const char* what, int err) {
        return Status::Fail("Cannot save " + path + ": " + what + " failed: " + ErrnoText(err));
    };

    std::string pattern = dir + "." + name + ".XXXXXX";
    const mode_t mode = ModeForNewFile(target);
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return fail("creating a temporary file", errno);
    }
    TempFile temp(pattern, fd);
    ::fchmod(fd, mode);  // best effort: some file systems keep no permission bits

    std::size_t written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const long n = ops.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            return fail("writing", errno);
        }
        written += static_cast<std::size_t>(n);
    }
    errno = 0;
    if (ops.fsync(fd) != 0) {
        return fail("flushing to disk", errno);
    }
    if (temp.Close() != 0) {
        return fail("closing", errno);
    }
    errno = 0;
    if (ops.rename(temp.path().c_str(), target.c_str()) != 0) {
        return fail("replacing the file", errno);
    }
    temp.Keep();

    // Make the rename itself durable; the new content is already safe if this fails.
    const int dirFd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ops.fsync(dirFd);
        ::close(dirFd);
    }
    return Status::Ok();
}

Status SaveDatabaseFile(const std::string& path, const RecordTable& table, const FileOps& ops) {
    return WriteFileAtomically(path, FormatDatabase(table), ops);
}

}  // namespace rodwick
