// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "file_io.h"
#include "record_book.h"
#include "record_table.h"

namespace rodwick {
// A trip in failure messages: its venue and date, enough to tell the tests' trips apart.
inline void PrintTo(const TripRecord& trip, std::ostream* out) {
    *out << '{' << trip[Field::Venue] << ", " << trip[Field::Date] << '}';
}

// A merge's summary in failure messages.
inline void PrintTo(const MergeSummary& summary, std::ostream* out) {
    *out << "{added " << summary.added << ", removed " << summary.removed << ", kept both "
         << summary.keptBoth << ", total " << summary.total << "}";
}

}  // namespace rodwick

namespace rodwick::testing {

// A fresh directory for one test, removed with its contents afterwards.
struct TempDir {
    TempDir() { EXPECT_NE(::mkdtemp(path.data()), nullptr); }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string file(const std::string& name) const { return path + "/" + name; }
    std::set<std::string> names() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path)) {
            names.insert(e.path().filename().string());
        }
        return names;
    }
    std::string path = (std::filesystem::temp_directory_path() / "rodwick-XXXXXX").string();
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A record whose every field names its record and field, so that shifted fields show.
inline TripRecord tagged(const std::string& tag) {
    TripRecord record;
    for (int f = 0; f < kFieldCount; ++f) record.fields[f] = tag + "." + std::to_string(f);
    return record;
}

// Trips first..last of a test database, tagged "r1", "r2", ... (or with another prefix).
inline std::vector<TripRecord> trips(int first, int last, const std::string& prefix = "r") {
    std::vector<TripRecord> trips;
    for (int k = first; k <= last; ++k) trips.push_back(tagged(prefix + std::to_string(k)));
    return trips;
}

inline  // Trips as rows of texts under the fields named, every other field empty.
    std::vector<TripRecord>
    tripsWith(const std::vector<Field>& fields, const std::vector<std::vector<std::string>>& rows) {
    std::vector<TripRecord> records(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        for (std::size_t i = 0; i < fields.size(); ++i) records[k][fields[i]] = rows[k][i];
    }
    return records;
}

// The file image of records, built by hand rather than by the code under test.
inline std::string fileImage(const std::string& countLine, const std::vector<TripRecord>& records) {
    std::string bytes = countLine + "\r\n";
    for (const TripRecord& record : records) {
        for (const std::string& field : record.fields) bytes += field + "\r\n";
    }
    return bytes;
}

// A database file of trips, count line as the program writes it.
inline std::string databaseBytes(const std::vector<TripRecord>& trips) {
    return fileImage(" " + std::to_string(trips.size()) + " ", trips);
}

inline RecordTable tableOf(const std::vector<TripRecord>& records) {
    RecordTable table;
    EXPECT_TRUE(table.replaceAll(records));
    return table;
}

// A failed system call: -1 with errno set.
inline int fail(int error) {
    errno = error;
    return -1;
}

// File operations whose writes take at most chunk bytes per call and fail with ENOSPC once
// limit bytes have gone out (counted in sent): a disk that fills up.
inline FileOps writeFailsAfter(
    std::size_t limit, std::size_t chunk = 1 << 20, FileOps ops = FileOps::system(),
    std::shared_ptr<std::size_t> sent = std::make_shared<std::size_t>()) {
    ops.write = [=](int fd, const char* data, std::size_t size) -> long {
        if (*sent >= limit) return fail(ENOSPC);
        const long n = FileOps::system().write(fd, data, std::min({size, chunk, limit - *sent}));
        if (n > 0) *sent += static_cast<std::size_t>(n);
        return n;
    };
    return ops;
}

// The records the book holds, in order.
inline std::vector<TripRecord> heldTrips(const RecordBook& book) {
    return {&book.table().slot(1), &book.table().slot(1) + book.recordCount()};
}

// One field of record n changed through the book, as an edit would.
inline void setText(RecordBook& book, int n, Field field, std::string text) {
    TripRecord record = book.table().slot(n);
    record[field] = std::move(text);
    const Status changed = book.replaceRecord(n, std::move(record));
    if (!changed.ok()) ADD_FAILURE() << "record " << n << ": " << changed.message();
}

// The book's settings changed as the given function says.
template <typename Change>
void changeSettings(RecordBook& book, Change change) {
    Settings settings = book.settings();
    change(settings);
    book.setSettings(std::move(settings));
}

// A named pipe that hands bytes to whoever opens it for reading: code that wrongly reads it
// gets them, and a test sees that instead of waiting for ever.
class FeedingPipe {
  public:
    FeedingPipe(std::string path, std::string bytes) : path_(std::move(path)) {
        EXPECT_EQ(::mkfifo(path_.c_str(), 0644), 0) << path_;
        writer_ = std::thread([this, bytes = std::move(bytes)] {
            const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
            if (fd < 0) return;
            EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
            ::close(fd);
        });
    }
    ~FeedingPipe() {
        // A reader of our own lets a writer still waiting for one finish.
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        writer_.join();
        if (fd >= 0) ::close(fd);
    }
    FeedingPipe(const FeedingPipe&) = delete;
    FeedingPipe& operator=(const FeedingPipe&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::thread writer_;
};

}  // namespace rodwick::testing
