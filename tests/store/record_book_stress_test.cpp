// Random sequences of the record book's operations, each checked against a small reference
// model: the records, the current record, the names, the settings, the files on disk and the
// notifications a window redraws from. Seeded and reproducible; a failure names its seed and
// step. The ways a write fails are the writer failure tests' own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <random>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

constexpr int kMax = RecordTable::kMaxRecords;
const std::string kTooMany = "only 250 records are allowed in one file";

// The records as a file keeps them: a CR, or CR LF, inside a field is stored as one blank.
std::vector<TripRecord> StoredRecords(std::vector<TripRecord> records) {
    for (TripRecord& record : records) {
        for (std::string& text : record.fields) {
            for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) {
                text.replace(at, 2, " ");
            }
            std::replace(text.begin(), text.end(), '\r', ' ');
        }
    }
    return records;
}

std::string Image(const std::vector<TripRecord>& records) {
    return DatabaseBytes(StoredRecords(records));
}

// What the model believes one path holds.
struct OnDisk {
    std::string bytes;
    // The records a load reads; nothing for a file a load refuses.
    std::optional<std::vector<TripRecord>> records;
};

// The reference model: plain values, changed by the rules the book promises.
struct Model {
    std::vector<TripRecord> records;
    int current = 0;
    std::string fileName = RecordTable::kUntitled;
    std::string titleName = RecordTable::kUntitled;
    Settings settings;
    std::map<std::string, OnDisk> files;  // regular files only, beside the one folder
};

class Stress {
  public:
    explicit Stress(unsigned seed) : rng_(seed) {
        std::filesystem::create_directory(dir_.File("folder.rwk"));
        Put("a.rwk", Records(3));
        Put("b.rwk", Records(1));
        Put("c.rwk", std::vector<TripRecord>{});
        Put("full.rwk", Records(kMax));
        // A count one record longer than the file, and one record past the limit.
        Put("short.rwk", FileImage(" 4 ", Records(3)));
        Put("big.rwk", DatabaseBytes(Records(kMax + 1)));
        paths_ = {"a.rwk",   "b.rwk",   "c.rwk",      "full.rwk",       "short.rwk",
                  "big.rwk", "new.rwk", "folder.rwk", "no folder/x.rwk"};
        for (std::string& path : paths_) path = dir_.File(path);
        // Flushing to the disk is not what is tested here, and would take most of the time.
        FileOps unflushed = FileOps::System();
        unflushed.fsync = [](int) { return 0; };
        book_.setFileOps(unflushed);
    }

    // One random operation, then every check. False once a check has failed.
    bool Step() {
        told_.clear();
        expected_ = {};
        const bool emptyBefore = model_.records.empty();
        // Each operation with the share of steps it takes, in percent.
        static constexpr std::pair<int, void (Stress::*)()> kOperations[] = {
            {14, &Stress::Navigate},      {10, &Stress::Add},       {6, &Stress::ReplaceAll},
            {8, &Stress::Edit},           {10, &Stress::QuickEdit}, {8, &Stress::Delete},
            {8, &Stress::Duplicate},      {3, &Stress::New},        {8, &Stress::Load},
            {6, &Stress::Merge},          {7, &Stress::Save},       {6, &Stress::SaveAs},
            {4, &Stress::ChangeSettings}, {2, &Stress::Adopt}};
        int pick = Uniform(0, 99);
        for (const auto& [share, operation] : kOperations) {
            if ((pick -= share) < 0) {
                (this->*operation)();
                break;
            }
        }
        if (expected_) expected_->emptiness = emptyBefore != model_.records.empty();
        Check();
        return !::testing::Test::HasFailure();
    }

    std::string State() const {
        return std::to_string(model_.records.size()) + "/" + std::to_string(model_.current) +
               " file=" + model_.fileName + " title=" + model_.titleName;
    }

  private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int percent) { return Uniform(0, 99) < percent; }
    int Count() const { return static_cast<int>(model_.records.size()); }

    // Short texts with the bytes that matter: Windows-1252 letters, blanks, line ends.
    std::string Text() {
        static const char* const kPieces[] = {"a",    "Z",  "7",  " ",   "\xE9",
                                              "\xA3", "\n", "\r", "\r\n"};
        std::string text;
        for (int n = Uniform(0, 4); n > 0; --n) text += kPieces[Uniform(0, 8)];
        return text;
    }
    TripRecord Record() {
        TripRecord record = Tagged("t" + std::to_string(++made_));
        for (int n = Uniform(0, 3); n > 0; --n) record.fields[Uniform(0, kFieldCount - 1)] = Text();
        return record;
    }
    std::vector<TripRecord> Records(int n) {
        std::vector<TripRecord> records;
        for (int k = 0; k < n; ++k) records.push_back(Record());
        return records;
    }
    // A block size: mostly small, sometimes right at the room left or one past it.
    int BlockSize() {
        const int room = kMax - Count();
        const int choice = Uniform(0, 5);
        return choice == 0 ? room : choice == 1 ? room + 1 : Uniform(0, choice == 2 ? kMax : 4);
    }
    const std::string& AnyPath() { return paths_[Uniform(0, static_cast<int>(paths_.size()) - 1)]; }

    void Put(const std::string& name, const std::vector<TripRecord>& records) {
        Put(name, Image(records));
        model_.files[dir_.File(name)].records = StoredRecords(records);
    }
    void Put(const std::string& name, const std::string& bytes) {
        WriteBytes(dir_.File(name), bytes);
        model_.files[dir_.File(name)] = {bytes, std::nullopt};
    }

    void Tell(RecordBook::Changes changes) { expected_ = changes; }
    void Expect(const Status& status, bool ok, const std::string& message = "") {
        EXPECT_EQ(status.ok(), ok) << status.message();
        if (!ok && !message.empty()) {
            EXPECT_EQ(status.message(), message);
        }
    }
    void Appended(const std::vector<TripRecord>& block) {
        const bool wasEmpty = model_.records.empty();
        model_.records.insert(model_.records.end(), block.begin(), block.end());
        if (wasEmpty && !block.empty()) model_.current = 1;
        Tell({.records = true, .currentRecord = wasEmpty && !block.empty()});
    }

    void Navigate() {
        // First, last, next, previous, or a number the goto list might give (some out of range).
        const int choice = Uniform(0, 4);
        const int n = choice == 0   ? 1
                      : choice == 1 ? Count()
                      : choice == 2 ? model_.current + 1
                      : choice == 3 ? model_.current - 1
                                    : Uniform(-1, Count() + 1);
        const bool inRange = n >= 1 && n <= Count();
        EXPECT_EQ(book_.show(n), inRange) << "show " << n;
        if (!inRange) return;
        model_.current = n;
        Tell({.currentRecord = true});
    }
    void Add() {
        const std::vector<TripRecord> block = Records(BlockSize());
        const bool fits = Count() + static_cast<int>(block.size()) <= kMax;
        Expect(book_.appendRecords(block), fits, kTooMany);
        if (fits) Appended(block);
    }
    void ReplaceAll() {
        const int n = Chance(10) ? kMax + 1 : Uniform(0, Chance(20) ? kMax : 5);
        const std::vector<TripRecord> records = Records(n);
        Expect(book_.replaceRecords(records), n <= kMax, kTooMany);
        if (n > kMax) return;
        model_.records = records;
        model_.current = n > 0 ? 1 : 0;
        Tell({.records = true, .currentRecord = true});
    }
    void Edit() {
        const int n = Chance(80) ? model_.current : Uniform(-1, Count() + 1);
        const TripRecord record = Record();
        const bool inRange = n >= 1 && n <= Count();
        Expect(book_.replaceRecord(n, record), inRange);
        if (!inRange) return;
        model_.records[n - 1] = record;
        Tell({.records = true});
    }
    void QuickEdit() {
        const Field field = static_cast<Field>(Uniform(0, kFieldCount - 1));
        const std::string text = Text();
        Expect(book_.setField(field, text), model_.current > 0);
        if (model_.current == 0) return;
        model_.records[model_.current - 1][field] = text;
        Tell({.records = true});
    }
    void Delete() {
        Expect(book_.deleteCurrent(), model_.current > 0);
        if (model_.current == 0) return;
        model_.records.erase(model_.records.begin() + (model_.current - 1));
        model_.current = model_.records.empty() ? 0 : 1;
        Tell({.records = true, .currentRecord = true});
    }
    void Duplicate() {
        const bool full = Count() >= kMax;
        const bool ok = !full && model_.current > 0;
        Expect(book_.duplicateCurrent(), ok, full ? kTooMany : "");
        if (!ok) return;
        model_.records.push_back(model_.records[model_.current - 1]);
        Tell({.records = true});
    }
    void New() {
        book_.newDatabase();
        model_.records.clear();
        model_.current = 0;
        model_.titleName = RecordTable::kUntitled;
        Tell({.records = true, .currentRecord = true, .fileName = true});
    }
    void Load() {
        const std::string path = AnyPath();
        const Status loaded = book_.load(path);
        const auto file = model_.files.find(path);
        if (file == model_.files.end()) {
            Expect(loaded, false, "the file does not exist");
            const bool renamed = model_.fileName != model_.titleName;
            model_.fileName = model_.titleName;
            if (renamed) Tell({.fileName = true});
            return;
        }
        Expect(loaded, file->second.records.has_value());
        if (!file->second.records) return;
        model_.records = *file->second.records;
        model_.current = model_.records.empty() ? 0 : 1;
        model_.fileName = model_.titleName = path;
        Tell({.records = true, .currentRecord = true, .fileName = true});
    }
    void Merge() {
        const std::string path = AnyPath();
        const Status merged = book_.merge(path);
        const auto file = model_.files.find(path);
        if (file == model_.files.end() || !file->second.records) {
            Expect(merged, false);
            return;
        }
        const bool fits = Count() + static_cast<int>(file->second.records->size()) <= kMax;
        Expect(merged, fits, kTooMany);
        if (fits) Appended(*file->second.records);
    }

    void Save() { SaveTo(false); }
    void SaveAs() { SaveTo(true); }
    // Save, or Save As; while the title is untitled a Save asks for a name as Save As does.
    void SaveTo(bool as) {
        if (!as && model_.titleName == RecordTable::kUntitled) as = true;
        EXPECT_EQ(book_.isUntitled(), model_.titleName == RecordTable::kUntitled);
        const std::string path = as ? AnyPath() : model_.fileName;
        const Status saved = as ? book_.saveAs(path) : book_.save();
        // A path in no folder, or a folder, cannot be written; the book keeps its names.
        const std::optional<int> error = path == dir_.File("folder.rwk") ? std::optional(EISDIR)
                                         : path.find("/no folder/") != std::string::npos
                                             ? std::optional(ENOENT)
                                             : std::nullopt;
        EXPECT_EQ(saved.ok(), !error) << "save to " << path << ": " << saved.message();
        if (error) {
            EXPECT_EQ(saved.message(), std::strerror(*error)) << path;
        } else {
            model_.files[path] = {Image(model_.records), StoredRecords(model_.records)};
            if (as) {
                model_.fileName = path;
                Tell({.fileName = true});
            }
        }
        CheckDisk(path);
    }

    void ChangeSettings() {
        Settings settings;
        settings.units = Chance(50) ? UnitNames::Imperial() : UnitNames::Metric();
        settings.showVenuesOnEdit = Uniform(0, 1) == 1;
        settings.displayFont = Chance(50) ? "Arial" : "Courier New";
        book_.setSettings(settings);
        model_.settings = settings;
        Tell({.settings = true});
    }
    // A table built elsewhere, with its own current record, taken over as a load would.
    void Adopt() {
        const int n = Uniform(0, 6);
        std::vector<TripRecord> records = Records(n);
        RecordTable table = TableOf(records);
        // A table the program builds always shows a record while it holds one.
        table.setCurrentRecord(Uniform(n > 0 ? 1 : 0, n));
        const std::string path = AnyPath();
        model_.current = table.currentRecord();
        book_.adopt(std::move(table), path);
        model_.records = std::move(records);
        model_.fileName = model_.titleName = path;
        Tell({.records = true, .currentRecord = true, .fileName = true});
    }

    // What is on disk is what the model believes.
    void CheckDisk(const std::string& path) {
        const auto file = model_.files.find(path);
        EXPECT_EQ(FileExists(path), file != model_.files.end()) << path;
        if (file != model_.files.end()) {
            EXPECT_EQ(ReadBytes(path), file->second.bytes) << path;
        }
    }

    void Check() {
        // The model keeps the invariants, so agreeing with it checks them too.
        const int count = book_.recordCount();
        ASSERT_EQ(count, Count());
        EXPECT_EQ(book_.currentRecord(), model_.current);
        EXPECT_TRUE(
            std::equal(model_.records.begin(), model_.records.end(), &book_.table().slot(1)))
            << "the records differ from the model";
        EXPECT_EQ(book_.fileName(), model_.fileName);
        EXPECT_EQ(book_.titleName(), model_.titleName);
        EXPECT_EQ(book_.settings(), model_.settings);

        const std::vector<RecordBook::Changes> expected =
            expected_ ? std::vector{*expected_} : std::vector<RecordBook::Changes>{};
        EXPECT_EQ(told_, expected)
            << "notifications: told " << told_.size() << ", expected " << expected.size();
        EXPECT_TRUE(toldConsistent_) << "told while the table was not consistent";
    }

    std::mt19937 rng_;
    TempDir dir_;
    RecordBook book_;
    Model model_;
    std::vector<std::string> paths_;
    int made_ = 0;
    std::optional<RecordBook::Changes> expected_;
    std::vector<RecordBook::Changes> told_;
    bool toldConsistent_ = true;
    RecordBook::Subscription recorder_ = book_.subscribe([this](const RecordBook::Changes& c) {
        told_.push_back(c);
        const int n = book_.recordCount(), current = book_.currentRecord();
        if (n < 0 || n > kMax || current < (n > 0 ? 1 : 0) || current > n) toldConsistent_ = false;
    });
};

// Runs steps from a seed; the seed and step are in every failure's trace.
void RunSeed(unsigned seed, int steps) {
    Stress stress(seed);
    for (int step = 1; step <= steps; ++step) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) + " after " +
                     stress.State());
        if (!stress.Step()) return;
    }
}

TEST(RecordBookStress, RandomOperationsAgreeWithTheModel) {
    // Ten thousand steps in all.
    for (const unsigned seed : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u}) RunSeed(seed, 1250);
}

}  // namespace
}  // namespace rodwick::testing
