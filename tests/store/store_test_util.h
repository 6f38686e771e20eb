#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "record_table.h"

namespace rodwick::testing {

// A fresh, empty directory for one test, removed with everything in it afterwards.
class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "rodwick-store-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a temporary directory";
        }
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    // Names of everything in the directory, hidden files included, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A record whose every field names its record and field, so that shifted fields show.
inline TripRecord Tagged(const std::string& tag) {
    TripRecord record;
    for (int f = 0; f < kFieldCount; ++f) {
        record.fields[f] = tag + "." + std::to_string(f);
    }
    return record;
}

inline std::vector<TripRecord> TaggedRecords(int n, const std::string& prefix = "r") {
    std::vector<TripRecord> records;
    for (int i = 1; i <= n; ++i) records.push_back(Tagged(prefix + std::to_string(i)));
    return records;
}

// The file image of records, built by hand rather than by the code under test.
inline std::string FileImage(const std::string& countLine, const std::vector<TripRecord>& records) {
    std::string bytes = countLine + "\r\n";
    for (const TripRecord& record : records) {
        for (const std::string& field : record.fields) bytes += field + "\r\n";
    }
    return bytes;
}

}  // namespace rodwick::testing
