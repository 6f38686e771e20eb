// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random sequences of the record book's operations, each checked against a small reference
// model: the records, the current record, the names, the settings, the files on disk, the
// notifications a window redraws from, and undo and redo against the model's own history. Seeded
// and reproducible; a failure names its seed and step. The ways a write fails are the writer
// failure tests' own. Another machine writes the folder's files now and then: the model knows
// which file the book belongs to, what it last loaded or saved there (the base of a merge) and
// so what a disk check finds and what is unsaved; the merges themselves are the merge tests'.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <random>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"
#include "trip_merge.h"

namespace rodwick::testing::stress {

inline constexpr int kMax = RecordTable::kMaxRecords;
inline const std::string kTooMany = "only 250 records are allowed in one file";

// The records as a file keeps them: a CR, or CR LF, inside a field is stored as one blank.
inline std::vector<TripRecord> storedRecords(std::vector<TripRecord> records) {
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

inline std::string image(const std::vector<TripRecord>& records) {
    return databaseBytes(storedRecords(records));
}

// What the model believes one path holds.
struct OnDisk {
    std::string bytes;
    // The records a load reads; nothing for a file a load refuses.
    std::optional<std::vector<TripRecord>> records;
};

// What undo and redo put back.
struct Snapshot {
    std::vector<TripRecord> records;
    int current = 0;
    std::string titleName;
    std::string fileName;  // comes back with the title, never alone
    bool operator==(const Snapshot&) const = default;
};

// A step of the model's history: its name and the table before and after it.
struct ModelStep {
    std::string name;
    Snapshot before;
    Snapshot after;
    bool detachedBefore = false;  // New leaves the table without a file
    bool detachedAfter = false;
};

// The book's file as it last loaded, saved or took it in.
struct ModelFile {
    std::string path;
    std::vector<TripRecord> trips;
    std::optional<std::string> bytes;  // nothing for an adopted table
};

// The reference model: plain values, changed by the rules the book promises.
struct Model {
    std::vector<TripRecord> records;
    int current = 0;
    std::string fileName = RecordTable::kUntitled;
    std::string titleName = RecordTable::kUntitled;
    Settings settings;
    std::map<std::string, OnDisk> files;  // regular files only, beside the one folder
    std::vector<ModelStep> history;
    std::size_t done = 0;
    std::optional<ModelFile> disk;
    bool detached = false;
    int generation = 0;  // how often the book came to know its file anew
};

// A change a disk check found, kept to be taken in later (by then perhaps stale).
struct FoundChange {
    RecordBook::DiskChange change;
    std::string bytes;
    int generation = 0;
};

class Stress {
  public:
    explicit Stress(unsigned seed) : rng_(seed) {
        std::filesystem::create_directory(dir_.file("folder.rwk"));
        put("a.rwk", randomRecords(3));
        put("b.rwk", randomRecords(1));
        put("c.rwk", std::vector<TripRecord>{});
        put("full.rwk", randomRecords(kMax));
        // A count one record longer than the file, and one record past the limit.
        put("short.rwk", fileImage(" 4 ", randomRecords(3)));
        put("big.rwk", databaseBytes(randomRecords(kMax + 1)));
        paths_ = {"a.rwk",   "b.rwk",   "c.rwk",      "full.rwk",       "short.rwk",
                  "big.rwk", "new.rwk", "folder.rwk", "no folder/x.rwk"};
        for (std::string& path : paths_) path = dir_.file(path);
        // Flushing to the disk is not what is tested here, and would take most of the time.
        FileOps unflushed = FileOps::system();
        unflushed.fsync = [](int) { return 0; };
        book_.setFileOps(unflushed);
    }

    // One random operation, then every check. False once a check has failed.
    bool step();

    std::string state() const {
        return std::to_string(model_.records.size()) + "/" + std::to_string(model_.current) +
               " file=" + model_.fileName + " title=" + model_.titleName;
    }

  private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return uniform(0, 99) < percent; }
    int modelCount() const { return static_cast<int>(model_.records.size()); }

    // Short texts with the bytes that matter: Windows-1252 letters, blanks, line ends.
    std::string randomText() {
        static const char* const kPieces[] = {"a",    "Z",  "7",  " ",   "\xE9",
                                              "\xA3", "\n", "\r", "\r\n"};
        std::string text;
        for (int n = uniform(0, 4); n > 0; --n) text += kPieces[uniform(0, 8)];
        return text;
    }
    TripRecord randomRecord() {
        TripRecord record = tagged("t" + std::to_string(++made_));
        for (int n = uniform(0, 3); n > 0; --n)
            record.fields[uniform(0, kFieldCount - 1)] = randomText();
        return record;
    }
    std::vector<TripRecord> randomRecords(int n) {
        std::vector<TripRecord> records;
        for (int k = 0; k < n; ++k) records.push_back(randomRecord());
        return records;
    }
    // A block size: mostly small, sometimes right at the room left or one past it.
    int blockSize() {
        const int room = kMax - modelCount();
        const int choice = uniform(0, 5);
        return choice == 0 ? room : choice == 1 ? room + 1 : uniform(0, choice == 2 ? kMax : 4);
    }
    const std::string& anyPath() { return paths_[uniform(0, static_cast<int>(paths_.size()) - 1)]; }

    void put(const std::string& name, const std::vector<TripRecord>& records) {
        put(name, image(records));
        model_.files[dir_.file(name)].records = storedRecords(records);
    }
    void put(const std::string& name, const std::string& bytes) {
        writeBytes(dir_.file(name), bytes);
        model_.files[dir_.file(name)] = {bytes, std::nullopt};
    }

    void tell(RecordBook::Changes changes) { expected_ = changes; }

    Snapshot snapshot() const {
        return {model_.records, model_.current, model_.titleName, model_.fileName};
    }
    // Redoing New tells what New told, a new file name also where the title stays.
    void restore(const Snapshot& to, bool renamed = false) {
        const bool retitled = renamed || to.titleName != model_.titleName;
        model_.records = to.records;
        model_.current = to.current;
        if (to.titleName != model_.titleName) model_.fileName = to.fileName;
        model_.titleName = to.titleName;
        tell({.records = true, .currentRecord = true, .fileName = retitled});
    }
    // An operation that changed the table, the current record or the title is one step of the
    // history: the steps undone before it are gone, and only the last 100 stay.
    void stepped(const std::string& name) {
        if (snapshot() == before_) return;
        model_.history.resize(model_.done);
        model_.history.push_back({name, before_, snapshot(), detachedBefore_, model_.detached});
        if (model_.history.size() > static_cast<std::size_t>(RecordBook::kHistorySteps))
            model_.history.erase(model_.history.begin());
        model_.done = model_.history.size();
    }
    void newHistory() {
        model_.history.clear();
        model_.done = 0;
    }
    void undo() {
        expect(book_.undo(), model_.done > 0);
        if (model_.done == 0) return;
        const ModelStep& step = model_.history[--model_.done];
        restore(step.before);
        if (step.detachedBefore != step.detachedAfter) model_.detached = step.detachedBefore;
    }
    void redo() {
        const bool ok = model_.done < model_.history.size();
        expect(book_.redo(), ok);
        if (!ok) return;
        const ModelStep& step = model_.history[model_.done++];
        restore(step.after, step.name == "New");
        if (step.detachedBefore != step.detachedAfter) model_.detached = step.detachedAfter;
    }

    // The book's file: loaded or saved, and still the one a Save writes.
    bool hasFile() const {
        return !model_.detached && model_.disk && model_.disk->path == model_.fileName;
    }
    bool unsaved() const {
        return hasFile() ? model_.records != model_.disk->trips : !model_.records.empty();
    }
    void knowFile(const std::string& path, std::vector<TripRecord> trips,
                  std::optional<std::string> bytes) {
        model_.disk = ModelFile{path, std::move(trips), std::move(bytes)};
        model_.detached = false;
        ++model_.generation;
    }
    void expect(const Status& status, bool ok, const std::string& message = "") {
        EXPECT_EQ(status.ok(), ok) << status.message();
        if (!ok && !message.empty()) {
            EXPECT_EQ(status.message(), message);
        }
    }
    void appended(const std::vector<TripRecord>& block, const std::string& name) {
        const bool wasEmpty = model_.records.empty();
        model_.records.insert(model_.records.end(), block.begin(), block.end());
        if (wasEmpty && !block.empty()) model_.current = 1;
        tell({.records = true, .currentRecord = wasEmpty && !block.empty()});
        stepped(name);
    }

    void navigate() {
        // First, last, next, previous, or a number the goto list might give (some out of range).
        const int choice = uniform(0, 4);
        const int n = choice == 0   ? 1
                      : choice == 1 ? modelCount()
                      : choice == 2 ? model_.current + 1
                      : choice == 3 ? model_.current - 1
                                    : uniform(-1, modelCount() + 1);
        const bool inRange = n >= 1 && n <= modelCount();
        EXPECT_EQ(book_.show(n), inRange) << "show " << n;
        if (!inRange) return;
        model_.current = n;
        tell({.currentRecord = true});
    }
    void add() {
        const std::vector<TripRecord> block = randomRecords(blockSize());
        const bool fits = modelCount() + static_cast<int>(block.size()) <= kMax;
        // Added in the record editor, or imported from a spreadsheet.
        const bool imported = chance(30);
        expect(book_.appendRecords(
                   block, imported ? RecordBook::StepName::Import : RecordBook::StepName::Add),
               fits, kTooMany);
        const std::string trips =
            std::to_string(block.size()) + (block.size() == 1 ? " Trip" : " Trips");
        if (fits) appended(block, imported ? "Import of " + trips : "Add");
    }
    void replaceAll() {
        const int n = chance(10) ? kMax + 1 : uniform(0, chance(20) ? kMax : 5);
        const std::vector<TripRecord> records = randomRecords(n);
        expect(book_.replaceRecords(records), n <= kMax, kTooMany);
        if (n > kMax) return;
        model_.records = records;
        model_.current = n > 0 ? 1 : 0;
        tell({.records = true, .currentRecord = true});
        stepped("Replace");
    }
    void edit() {
        const int n = chance(80) ? model_.current : uniform(-1, modelCount() + 1);
        const TripRecord record = randomRecord();
        const bool inRange = n >= 1 && n <= modelCount();
        expect(book_.replaceRecord(n, record), inRange);
        if (!inRange) return;
        model_.records[n - 1] = record;
        tell({.records = true});
        stepped("Edit");
    }
    void quickEdit() {
        const Field field = static_cast<Field>(uniform(0, kFieldCount - 1));
        const std::string text = randomText();
        // Typed, or picked from the species list.
        const bool picked = chance(20);
        expect(book_.setField(
                   field, text,
                   picked ? RecordBook::StepName::Species : RecordBook::StepName::QuickEdit),
               model_.current > 0);
        if (model_.current == 0) return;
        model_.records[model_.current - 1][field] = text;
        tell({.records = true});
        stepped(picked ? "Species" : "Quick Edit");
    }
    void deleteRecord() {
        expect(book_.deleteCurrent(), model_.current > 0);
        if (model_.current == 0) return;
        model_.records.erase(model_.records.begin() + (model_.current - 1));
        model_.current = model_.records.empty() ? 0 : 1;
        tell({.records = true, .currentRecord = true});
        stepped("Delete");
    }
    void duplicate() {
        const bool full = modelCount() >= kMax;
        const bool ok = !full && model_.current > 0;
        expect(book_.duplicateCurrent(), ok, full ? kTooMany : "");
        if (!ok) return;
        model_.records.push_back(model_.records[model_.current - 1]);
        tell({.records = true});
        stepped("Duplicate");
    }
    void newDatabase() {
        book_.newDatabase();
        model_.records.clear();
        model_.current = 0;
        model_.titleName = RecordTable::kUntitled;
        model_.detached = true;
        tell({.records = true, .currentRecord = true, .fileName = true});
        stepped("New");
    }
    void load() {
        const std::string path = anyPath();
        const Status loaded = book_.load(path);
        const auto file = model_.files.find(path);
        if (file == model_.files.end()) {
            expect(loaded, false, "the file does not exist");
            const bool renamed = model_.fileName != model_.titleName;
            model_.fileName = model_.titleName;
            if (renamed) tell({.fileName = true});
            return;
        }
        expect(loaded, file->second.records.has_value());
        if (!file->second.records) return;
        model_.records = *file->second.records;
        model_.current = model_.records.empty() ? 0 : 1;
        model_.fileName = model_.titleName = path;
        tell({.records = true, .currentRecord = true, .fileName = true});
        newHistory();
        knowFile(path, model_.records, file->second.bytes);
    }
    void merge() {
        const std::string path = anyPath();
        const Status merged = book_.merge(path);
        const auto file = model_.files.find(path);
        if (file == model_.files.end() || !file->second.records) {
            expect(merged, false);
            return;
        }
        const bool fits = modelCount() + static_cast<int>(file->second.records->size()) <= kMax;
        expect(merged, fits, kTooMany);
        if (fits) appended(*file->second.records, "Merge");
    }

    void save() { saveTo(false); }
    void saveAs() { saveTo(true); }
    // Save, or Save As; while the title is untitled a Save asks for a name as Save As does.
    void saveTo(bool as) {
        if (!as && model_.titleName == RecordTable::kUntitled) as = true;
        EXPECT_EQ(book_.isUntitled(), model_.titleName == RecordTable::kUntitled);
        const std::string path = as ? anyPath() : model_.fileName;
        // A Save goes where the title says, never to a file named after no database.
        EXPECT_NE(path, RecordTable::kUntitled)
            << "a plain save under the title " << model_.titleName;
        const Status saved = as ? book_.saveAs(path) : book_.save();
        // A path in no folder, or a folder, cannot be written; the book keeps its names.
        const std::optional<int> error = path == dir_.file("folder.rwk") ? std::optional(EISDIR)
                                         : path.find("/no folder/") != std::string::npos
                                             ? std::optional(ENOENT)
                                             : std::nullopt;
        EXPECT_EQ(saved.ok(), !error) << "save to " << path << ": " << saved.message();
        if (error) {
            EXPECT_EQ(saved.message(), std::strerror(*error)) << path;
        } else {
            model_.files[path] = {image(model_.records), storedRecords(model_.records)};
            knowFile(path, model_.records, image(model_.records));
            if (as) {
                model_.fileName = path;
                tell({.fileName = true});
            }
        }
        checkDisk(path);
    }

    void changeSettings() {
        Settings settings;
        settings.units = chance(50) ? UnitNames::imperial() : UnitNames::metric();
        settings.showVenuesOnEdit = uniform(0, 1) == 1;
        settings.displayFont = chance(50) ? "Arial" : "Courier New";
        book_.setSettings(settings);
        model_.settings = settings;
        tell({.settings = true});
    }
    // A table built elsewhere, with its own current record, taken over as a load would.
    void adopt() {
        const int n = uniform(0, 6);
        std::vector<TripRecord> records = randomRecords(n);
        RecordTable table = tableOf(records);
        // A table the program builds always shows a record while it holds one.
        table.setCurrentRecord(uniform(n > 0 ? 1 : 0, n));
        const std::string path = anyPath();
        model_.current = table.currentRecord();
        book_.adopt(std::move(table), path);
        model_.records = std::move(records);
        model_.fileName = model_.titleName = path;
        tell({.records = true, .currentRecord = true, .fileName = true});
        newHistory();
        knowFile(path, model_.records, std::nullopt);
    }

    // Another machine's save of a file of the folder, mostly of the book's own: its trips
    // changed, a touch that keeps the bytes, a damaged file, or the file removed.
    void otherMachine();

    void writeFile(const std::string& path, const std::string& bytes);

    // Trips as another machine changed them: some removed, changed or copied, some added, now
    // and then enough to pass 250 with the book's.
    std::vector<TripRecord> variant(std::vector<TripRecord> trips);

    // A disk check, against what the model knows of the book's file; the change it finds is
    // taken in, or one found before (by then perhaps stale), the current record kept on a trip
    // an editor might be open on.
    void takeIn();

    RecordBook::FileState expectedCheck();

    // A sync program's conflict copy of the book's file merged in, with a few earlier versions.
    void conflictCopy();

    // The records become trips as one step; the current record stays on its trip (the copy
    // nearest its place, the earlier of two as near), else at its place.
    void takeTrips(const std::vector<TripRecord>& trips, const std::string& name,
                   std::optional<TripRecord> stayOn);

    // What is on disk is what the model believes.
    void checkDisk(const std::string& path) {
        const auto file = model_.files.find(path);
        EXPECT_EQ(fileExists(path), file != model_.files.end()) << path;
        if (file != model_.files.end()) {
            EXPECT_EQ(readBytes(path), file->second.bytes) << path;
        }
    }

    void check();

    std::mt19937 rng_;
    TempDir dir_;
    RecordBook book_;
    Model model_;
    std::vector<std::string> paths_;
    int made_ = 0;
    Snapshot before_;  // the table before this step's operation
    bool detachedBefore_ = false;
    std::optional<FoundChange> found_;
    std::optional<RecordBook::Changes> expected_;
    std::vector<RecordBook::Changes> told_;
    bool toldConsistent_ = true;
    RecordBook::Subscription recorder_ = book_.subscribe([this](const RecordBook::Changes& c) {
        told_.push_back(c);
        const int n = book_.recordCount(), current = book_.currentRecord();
        if (n < 0 || n > kMax || current < (n > 0 ? 1 : 0) || current > n) toldConsistent_ = false;
    });
};

}  // namespace rodwick::testing::stress
