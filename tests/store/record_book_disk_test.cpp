// SPDX-License-Identifier: GPL-3.0-or-later
// The record book's file on disk: what it remembers of it, what a disk check finds after another
// program wrote it, and taking that change in, by reloading or merging, as one step of the
// history; the merge of a sync program's conflict copy.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "record_book.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

using State = RecordBook::FileState;

struct timespec modifiedAt(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mtim;
}

void setModified(const std::string& path, struct timespec when) {
    const struct timespec times[2] = {when, when};
    EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// Two days back: a stamp taken of such a file is trusted without reading it.
void makeOld(const std::string& path) {
    struct timespec when = modifiedAt(path);
    when.tv_sec -= 2 * 24 * 3600;
    setModified(path, when);
}

// The log book a.rwk of trips r1..r4 loaded, as another machine left it.
struct Loaded {
    explicit Loaded(std::vector<TripRecord> onDisk = trips(1, 4), bool old = false) {
        writeBytes(path, databaseBytes(onDisk));
        if (old) makeOld(path);
        EXPECT_TRUE(book.load(path).ok());
    }
    // Another machine's save, brought by a sync program.
    void written(const std::vector<TripRecord>& onDisk) const {
        writeBytes(path, databaseBytes(onDisk));
    }
    RecordBook::DiskChange changed() {
        RecordBook::DiskCheck check = book.checkDisk();
        EXPECT_EQ(check.state, State::Changed) << check.reason;
        return std::move(check.change);
    }
    TempDir dir;
    std::string path = dir.file("a.rwk");
    RecordBook book;
};

TEST(RecordBookDisk, CheckFindsWhatAnotherProgramDid) {
    // r1..r4 with one letter of r2 changed: a file of the same size.
    std::vector<TripRecord> sameSize = trips(1, 4);
    sameSize[1][Field::Venue] = "x2.0";
    const struct {
        const char* what;
        bool old;  // the file was two days old when loaded
        std::function<void(Loaded&)> change;
        State state;
        std::vector<TripRecord> trips = {};  // Changed: the file's
        std::string reason = {};             // Unreadable: part of the message
    } kCases[] = {
        {"untouched", true, [](Loaded&) {}, State::Same},
        {"untouched, written just before the load", false, [](Loaded&) {}, State::Same},
        {"touched: the same bytes at another time", true,
         [](Loaded& l) { setModified(l.path, {.tv_sec = 1'000'000'000, .tv_nsec = 5}); },
         State::Same},
        {"other trips", true, [](Loaded& l) { l.written(trips(1, 5)); }, State::Changed,
         trips(1, 5)},
        {"other bytes of the same size and time, within the file clock's tick", false,
         [&](Loaded& l) {
             const struct timespec was = modifiedAt(l.path);
             l.written(sameSize);
             setModified(l.path, was);
         },
         State::Changed, sameSize},
        {"checked, then other bytes of the same size and time, within the tick", false,
         [&](Loaded& l) {
             const struct timespec was = modifiedAt(l.path);
             EXPECT_EQ(l.book.checkDisk().state, State::Same);
             l.written(sameSize);
             setModified(l.path, was);
         },
         State::Changed, sameSize},
        // The cheap check a window runs every few seconds: an old file whose size and time
        // stayed is not read.
        {"other bytes of the same size and time, long after the file's", true,
         [&](Loaded& l) {
             const struct timespec was = modifiedAt(l.path);
             l.written(sameSize);
             setModified(l.path, was);
         },
         State::Same},
        {"the same trips written another way", true,
         [](Loaded& l) { writeBytes(l.path, fileImage("4", trips(1, 4))); }, State::Same},
        {"damaged",
         true,
         [](Loaded& l) { writeBytes(l.path, fileImage(" 5 ", trips(1, 4))); },
         State::Unreadable,
         {},
         "a.rwk: The file ends before record 5 is complete."},
        {"removed", true, [](Loaded& l) { std::filesystem::remove(l.path); }, State::Missing},
        {"replaced by a folder", true,
         [](Loaded& l) {
             std::filesystem::remove(l.path);
             std::filesystem::create_directory(l.path);
         },
         State::Missing},
        {"saved by the book itself", true,
         [](Loaded& l) {
             setText(l.book, 2, Field::Bait, "Worm");
             ASSERT_TRUE(l.book.save().ok());
         },
         State::Same},
        {"saved elsewhere, the old file changed after", true,
         [](Loaded& l) {
             ASSERT_TRUE(l.book.saveAs(l.dir.file("b.rwk")).ok());
             l.written(trips(1, 5));
         },
         State::Same},
        {"emptied by New", true, [](Loaded& l) { l.book.newDatabase(); }, State::NoFile},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        Loaded loaded(trips(1, 4), c.old);
        c.change(loaded);
        const RecordBook::DiskCheck check = loaded.book.checkDisk();
        EXPECT_EQ(check.state, c.state) << check.reason;
        EXPECT_EQ(check.change.trips(), c.trips);
        EXPECT_NE(check.reason.find(c.reason), std::string::npos) << check.reason;
        EXPECT_EQ(heldTrips(loaded.book).size(), c.state == State::NoFile ? 0u : 4u)
            << "a check changes no record";
        // Found once, found again: a change is not forgotten by being seen, nor a touch
        // taken for a change the next time.
        EXPECT_EQ(loaded.book.checkDisk().state, c.state);
    }
}

TEST(RecordBookDisk, UnsavedFollowsTheFileNotTheHistory) {
    Loaded loaded;
    RecordBook& book = loaded.book;
    EXPECT_FALSE(book.unsaved());
    EXPECT_TRUE(book.hasFile());
    EXPECT_EQ(std::vector(book.savedTrips().begin(), book.savedTrips().end()), trips(1, 4));
    setText(book, 2, Field::Bait, "Worm");
    EXPECT_TRUE(book.unsaved());
    ASSERT_TRUE(book.undo().ok());
    EXPECT_FALSE(book.unsaved()) << "undone back to the file";
    ASSERT_TRUE(book.redo().ok());
    EXPECT_TRUE(book.unsaved());
    ASSERT_TRUE(book.save().ok());
    EXPECT_FALSE(book.unsaved());
    ASSERT_TRUE(book.undo().ok());
    EXPECT_TRUE(book.unsaved()) << "undone past the save";

    // New: a table of no file, with nothing to lose while empty.
    book.newDatabase();
    EXPECT_FALSE(book.unsaved());
    EXPECT_FALSE(book.hasFile());
    EXPECT_TRUE(book.savedTrips().empty());
    ASSERT_TRUE(book.appendRecords({tagged("n")}).ok());
    EXPECT_TRUE(book.unsaved());
    ASSERT_TRUE(book.undo().ok());
    ASSERT_TRUE(book.undo().ok());
    EXPECT_TRUE(book.hasFile()) << "undoing New gives the table its file back";
    EXPECT_EQ(book.checkDisk().state, State::Same);
    ASSERT_TRUE(book.redo().ok());
    EXPECT_FALSE(book.hasFile());
    EXPECT_FALSE(book.unsaved());

    // Saved while untitled: the title stays, the trips are saved.
    ASSERT_TRUE(book.appendRecords({tagged("n")}).ok());
    ASSERT_TRUE(book.saveAs(loaded.dir.file("b.rwk")).ok());
    EXPECT_TRUE(book.isUntitled());
    EXPECT_TRUE(book.hasFile());
    EXPECT_FALSE(book.unsaved());

    // A failed load that turns the file name back to the title's leaves no file.
    EXPECT_FALSE(book.load(loaded.dir.file("missing.rwk")).ok());
    EXPECT_FALSE(book.hasFile());
    EXPECT_TRUE(book.unsaved());
}

TEST(RecordBookDisk, AdoptedTableStandsForItsFileUntilRead) {
    TempDir dir;
    RecordBook book;
    EXPECT_FALSE(book.unsaved());
    EXPECT_EQ(book.checkDisk().state, State::NoFile);
    book.adopt(tableOf(trips(1, 2)), dir.file("a.rwk"));
    EXPECT_FALSE(book.unsaved());
    EXPECT_EQ(book.checkDisk().state, State::Missing);
    writeBytes(dir.file("a.rwk"), databaseBytes(trips(1, 2)));
    EXPECT_EQ(book.checkDisk().state, State::Same);
    writeBytes(dir.file("a.rwk"), databaseBytes(trips(1, 3)));
    EXPECT_EQ(book.checkDisk().state, State::Changed);

    book.adopt(tableOf(trips(1, 2)), RecordTable::kUntitled);
    EXPECT_FALSE(book.hasFile());
    EXPECT_TRUE(book.unsaved());
}

TEST(RecordBookDisk, ReloadWithNothingUnsavedIsOneStep) {
    Loaded loaded;
    RecordBook& book = loaded.book;
    ASSERT_TRUE(book.show(3));
    std::vector<RecordBook::Changes> told;
    const auto subscription =
        book.subscribe([&](const RecordBook::Changes& c) { told.push_back(c); });

    const std::vector<TripRecord> theirs = {tagged("r0"), tagged("r1"), tagged("r2"), tagged("r3")};
    loaded.written(theirs);
    const Result<MergeSummary> taken = book.takeInDiskChange(loaded.changed());
    ASSERT_TRUE(taken.ok()) << taken.error();
    EXPECT_EQ(taken.value(), (MergeSummary{.added = 1, .removed = 1, .total = 4}));
    EXPECT_EQ(heldTrips(book), theirs);
    EXPECT_EQ(book.currentRecord(), 4) << "r3, where it now stands";
    EXPECT_EQ(told, (std::vector<RecordBook::Changes>{{.records = true, .currentRecord = true}}));
    EXPECT_FALSE(book.unsaved());
    EXPECT_EQ(book.undoName(), "Reload");
    EXPECT_EQ(book.checkDisk().state, State::Same);

    ASSERT_TRUE(book.undo().ok());
    EXPECT_EQ(heldTrips(book), trips(1, 4));
    EXPECT_EQ(book.currentRecord(), 3);
    EXPECT_TRUE(book.unsaved()) << "the file holds the other machine's trips";
    EXPECT_EQ(book.checkDisk().state, State::Same) << "the file is known";
    ASSERT_TRUE(book.redo().ok());
    EXPECT_EQ(heldTrips(book), theirs);
    EXPECT_FALSE(book.unsaved());
}

TEST(RecordBookDisk, MergeWithUnsavedTripsIsOneStep) {
    Loaded loaded;
    RecordBook& book = loaded.book;
    setText(book, 2, Field::Bait, "Worm");
    const TripRecord mine2 = book.table().slot(2);
    std::vector<TripRecord> theirs = trips(1, 5);
    theirs[3][Field::Bait] = "Bread";

    loaded.written(theirs);
    const Result<MergeSummary> merged = book.takeInDiskChange(loaded.changed());
    ASSERT_TRUE(merged.ok()) << merged.error();
    EXPECT_EQ(merged.value(), (MergeSummary{.added = 2, .removed = 1, .total = 5}));
    EXPECT_EQ(heldTrips(book), (std::vector<TripRecord>{tagged("r1"), mine2, tagged("r3"),
                                                        theirs[3], tagged("r5")}));
    EXPECT_EQ(book.undoName(), "Merge from Disk");
    EXPECT_TRUE(book.unsaved()) << "the edit of r2 is in no file yet";
    ASSERT_TRUE(book.save().ok());
    EXPECT_FALSE(book.unsaved());
    EXPECT_EQ(book.checkDisk().state, State::Same);

    // The same edit made on the other machine: the merge is the file, nothing is unsaved.
    setText(book, 1, Field::Bait, "Maggot");
    std::vector<TripRecord> same = heldTrips(book);
    loaded.written(same);
    ASSERT_TRUE(book.takeInDiskChange(loaded.changed()).ok());
    EXPECT_EQ(heldTrips(book), same);
    EXPECT_EQ(book.undoName(), "Edit") << "a merge that changes nothing is no step";
    EXPECT_FALSE(book.unsaved());
}

TEST(RecordBookDisk, CurrentRecordStaysOnItsTrip) {
    const struct {
        const char* what;
        int shown;
        std::vector<TripRecord> theirs;
        std::optional<TripRecord> stayOn;
        int current;
    } kCases[] = {
        {"the shown trip moved", 2, {tagged("r2"), tagged("r3"), tagged("r4")}, {}, 1},
        {"the shown trip removed: the same place",
         2,
         {tagged("r1"), tagged("r3"), tagged("r4")},
         {},
         2},
        {"the shown last trip removed: the new last", 4, trips(1, 2), {}, 2},
        {"everything removed", 3, {}, {}, 0},
        {"the trip an editor is open on",
         1,
         {tagged("r2"), tagged("r3"), tagged("r4")},
         tagged("r4"),
         3},
        {"of two copies the one nearest its place",
         4,
         {tagged("r4"), tagged("r1"), tagged("r2"), tagged("r3"), tagged("r4")},
         {},
         5},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        Loaded loaded;
        ASSERT_TRUE(loaded.book.show(c.shown));
        loaded.written(c.theirs);
        ASSERT_TRUE(loaded.book.takeInDiskChange(loaded.changed(), c.stayOn).ok());
        EXPECT_EQ(loaded.book.currentRecord(), c.current);
    }
}

// An editor was open on a trip while the file changed: the window finds the trip again to
// put the edit in its place, or learns that the other machine changed or removed it.
TEST(RecordBookDisk, TheTripAnEditorWasChangingIsFoundAgain) {
    Loaded loaded;
    RecordBook& book = loaded.book;
    ASSERT_TRUE(book.show(3));
    const TripRecord editing = book.current();
    setText(book, 1, Field::Bait, "Worm");  // unsaved: the change is merged
    loaded.written({tagged("r0"), tagged("r2"), tagged("r3"), tagged("r4")});
    ASSERT_TRUE(book.takeInDiskChange(loaded.changed(), editing).ok());
    EXPECT_EQ(book.undoName(), "Merge from Disk");
    EXPECT_EQ(book.current(), editing);
    EXPECT_EQ(book.findTrip(editing, book.currentRecord()), book.currentRecord());

    // Of two copies, the one nearest the place the editor was opened at.
    ASSERT_TRUE(book.appendRecords({editing}).ok());
    const int first = book.currentRecord(), second = book.recordCount();
    ASSERT_EQ(second - first, 2);
    EXPECT_EQ(book.findTrip(editing, second), second);
    EXPECT_EQ(book.findTrip(editing, first + 1), first) << "the earlier of two as near";
    EXPECT_EQ(book.findTrip(editing, 1), first);
    ASSERT_TRUE(book.undo().ok());

    std::vector<TripRecord> theirs = heldTrips(book);
    theirs[book.currentRecord() - 1][Field::Remarks] = "changed there";
    loaded.written(theirs);
    ASSERT_TRUE(book.takeInDiskChange(loaded.changed(), editing).ok());
    EXPECT_EQ(book.findTrip(editing, book.currentRecord()), 0);
}

TEST(RecordBookDisk, PastTheLimitNothingIsTakenAndTheChangeIsFoundAgain) {
    Loaded loaded(trips(1, 240));
    RecordBook& book = loaded.book;
    ASSERT_TRUE(book.appendRecords(trips(1, 5, "m")).ok());
    loaded.written(trips(1, 251 - 5));
    const Result<MergeSummary> taken = book.takeInDiskChange(loaded.changed());
    ASSERT_TRUE(taken.ok());
    EXPECT_TRUE(taken.value().tooMany());
    EXPECT_EQ(taken.value().total, 251);
    EXPECT_EQ(book.recordCount(), 245);
    EXPECT_EQ(book.undoName(), "Add");
    EXPECT_EQ(std::vector(book.savedTrips().begin(), book.savedTrips().end()), trips(1, 240));
    const RecordBook::DiskChange again = loaded.changed();
    EXPECT_EQ(again.trips(), trips(1, 246));

    // Room made: the change goes in.
    ASSERT_TRUE(book.show(1));
    ASSERT_TRUE(book.deleteCurrent().ok());
    const Result<MergeSummary> now = book.takeInDiskChange(loaded.changed());
    ASSERT_TRUE(now.ok());
    EXPECT_FALSE(now.value().tooMany());
    EXPECT_EQ(book.recordCount(), 250);
}

TEST(RecordBookDisk, AChangeFoundBeforeTheFileWasWrittenOrReadIsRefused) {
    Loaded loaded;
    RecordBook& book = loaded.book;
    loaded.written(trips(1, 5));
    const RecordBook::DiskChange stale = loaded.changed();
    setText(book, 2, Field::Bait, "Worm");
    ASSERT_TRUE(book.save().ok());
    EXPECT_FALSE(book.takeInDiskChange(stale).ok()) << "it would take back the edit just saved";
    EXPECT_EQ(book.table().slot(2)[Field::Bait], "Worm");
    EXPECT_EQ(book.recordCount(), 4);

    loaded.written(trips(1, 5));
    const RecordBook::DiskChange ofA = loaded.changed();
    writeBytes(loaded.dir.file("b.rwk"), databaseBytes(trips(1, 2)));
    ASSERT_TRUE(book.load(loaded.dir.file("b.rwk")).ok());
    EXPECT_FALSE(book.takeInDiskChange(ofA).ok());
    EXPECT_EQ(heldTrips(book), trips(1, 2));
}

TEST(RecordBookDisk, ConflictCopyMergesAgainstTheBestEarlierVersion) {
    Loaded loaded;
    RecordBook& book = loaded.book;
    setText(book, 1, Field::Bait, "Worm");
    const TripRecord mine1 = book.table().slot(1);
    std::vector<TripRecord> copy = trips(1, 4);
    copy[2][Field::Bait] = "Bread";
    copy.push_back(tagged("c1"));
    const std::vector<std::vector<TripRecord>> backups = {trips(1, 2), trips(1, 3)};

    const MergeSummary merged = book.mergeConflictCopy(copy, backups);
    EXPECT_EQ(merged, (MergeSummary{.added = 2, .removed = 1, .total = 5}));
    EXPECT_EQ(heldTrips(book),
              (std::vector<TripRecord>{mine1, tagged("r2"), copy[2], tagged("r4"), tagged("c1")}));
    EXPECT_EQ(book.undoName(), "Merge of Conflicted Copy");
    EXPECT_TRUE(book.unsaved());
    ASSERT_TRUE(book.undo().ok());
    EXPECT_EQ(book.recordCount(), 4);

    // A copy sharing no trip with any earlier version: every trip of both, once.
    const MergeSummary joined = book.mergeConflictCopy(trips(3, 6, "z"), {});
    EXPECT_EQ(joined, (MergeSummary{.added = 4, .total = 8}));
    EXPECT_EQ(book.recordCount(), 8);

    const MergeSummary tooMany = book.mergeConflictCopy(trips(1, 243, "y"), {});
    EXPECT_TRUE(tooMany.tooMany());
    EXPECT_EQ(book.recordCount(), 8);
    EXPECT_EQ(book.undoName(), "Merge of Conflicted Copy");
}

// This machine's save won and no earlier version was kept: the file as saved here is no common
// version, and the trip added here must not look deleted by the other machine.
TEST(RecordBookDisk, ConflictCopyWithoutAnEarlierVersionKeepsTheTripsAddedHere) {
    std::vector<TripRecord> here = trips(1, 4), there = trips(1, 4);
    here.push_back(tagged("here"));
    there.push_back(tagged("there"));
    Loaded loaded(here);
    const MergeSummary merged = loaded.book.mergeConflictCopy(there, {});
    EXPECT_EQ(merged.added, 1);
    EXPECT_EQ(merged.removed, 0);
    there.insert(there.end() - 1, tagged("here"));
    EXPECT_EQ(heldTrips(loaded.book), there);
}

}  // namespace
}  // namespace rodwick::testing
