// SPDX-License-Identifier: GPL-3.0-or-later
// The open log book changed by another program (a sync program bringing another machine's
// save, a second window): read again, merged with what is unsaved, never lost at Save.
#include <QDialog>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "backups.h"
#include "database_file.h"
#include "file_watch.h"
#include "program_files.h"
#include "rodwick_test/editing_fixture.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

const auto kQ = [](const std::string& s) { return QString::fromStdString(s); };

// One trip of trips(first, last): what the tests' other program adds or edits.
TripRecord trip(int n) {
    return trips(n, n).front();
}

class FileWatchTest : public MainWindowTest {
  protected:
    FileWatchTest() { path_ = writeDatabase("LOG.RWK", 1, 3); }

    FileWatch& watch() { return *child<FileWatch>(window_, "FileWatch"); }
    // Another program's save: a new file renamed over the log book, as sync programs write.
    void writeFromOutside(const std::vector<TripRecord>& records) {
        writeBytes(path_ + ".part", databaseBytes(records));
        ASSERT_EQ(std::rename((path_ + ".part").c_str(), path_.c_str()), 0);
    }
    std::vector<TripRecord> held() const { return heldTrips(book_); }
    std::vector<TripRecord> onDisk() const { return readDatabaseFile(path_).value(); }
    QString statusLine() { return text("helpdata"); }

    std::string path_;
};

std::vector<TripRecord> join(std::initializer_list<std::vector<TripRecord>> parts) {
    std::vector<TripRecord> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// With nothing unsaved the file is read again by the watcher alone, the trip shown stays the
// same trip, and Undo takes the reload back.
TEST_F(FileWatchTest, WithNothingUnsavedTheChangedFileIsReadAgainAndUndoTakesItBack) {
    window_.loadDatabase(path_);
    ASSERT_TRUE(book_.show(2));
    writeFromOutside(join({{trip(9)}, trips(1, 3)}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return book_.recordCount() == 4; }, 5000));
    EXPECT_EQ(held(), join({{trip(9)}, trips(1, 3)}));
    EXPECT_EQ(book_.currentRecord(), 3) << "the same trip, one place further down";
    EXPECT_EQ(statusLine(), "LOG.RWK was changed on disk and has been read again.");
    EXPECT_TRUE(platform_.messages().empty());
    EXPECT_FALSE(book_.unsaved());
    EXPECT_EQ(book_.undoName(), "Reload");
    // Watched still after the rename: a file rewritten in place is read again too.
    writeBytes(path_, databaseBytes(trips(1, 2)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return book_.recordCount() == 2; }, 5000));
    ASSERT_TRUE(book_.undo().ok());
    ASSERT_TRUE(book_.undo().ok());
    EXPECT_EQ(held(), trips(1, 3));

    // The program's own save is no change from outside: nothing is read back or said.
    ASSERT_TRUE(book_.redo().ok());
    ASSERT_TRUE(book_.redo().ok());
    setText(book_, 1, Field::Venue, "Own save");
    action("MnuSave")->trigger();
    const std::string lastStep = book_.undoName();
    watch().checkNow();
    EXPECT_EQ(book_.undoName(), lastStep);
    EXPECT_TRUE(platform_.messages().empty());
}

// Unsaved changes meet the file's: merged trip by trip, said, and nothing written until Save.
TEST_F(FileWatchTest, UnsavedChangesAreMergedWithTheFileAndNothingIsWritten) {
    window_.loadDatabase(path_);
    setText(book_, 2, Field::Venue, "Mine");            // changed here
    ASSERT_TRUE(book_.appendRecords({trip(20)}).ok());  // added here
    TripRecord mine = trip(2);
    mine[Field::Venue] = "Mine";
    TripRecord theirs = trip(3);
    theirs[Field::Venue] = "Theirs";
    // There: trip 1 deleted, trip 3 changed, trip 9 added.
    writeFromOutside({trip(2), theirs, trip(9)});
    platform_.answerMessage(Answer::Ok);
    watch().checkNow();
    EXPECT_EQ(held(), (std::vector<TripRecord>{mine, theirs, trip(9), trip(20)}));
    EXPECT_EQ(
        lastMessage(),
        describe({"LOG.RWK was changed on disk while this window had unsaved changes, and the "
                  "two have been merged: 2 trips came from the file, 2 trips were removed by "
                  "it, and 0 trips changed on both sides are kept in both forms. Nothing has "
                  "been written to the file yet.",
                  "Changed on Disk", Buttons::Ok, Icon::Information}));
    EXPECT_TRUE(book_.unsaved());
    EXPECT_EQ(onDisk(), (std::vector<TripRecord>{trip(2), theirs, trip(9)}));
    EXPECT_EQ(book_.undoName(), "Merge from Disk");

    // A trip changed on both sides differently is kept in both forms.
    setText(book_, 3, Field::Remarks, "here");
    TripRecord there = trip(9);
    there[Field::Remarks] = "there";
    writeFromOutside({trip(2), theirs, there});
    platform_.answerMessage(Answer::Ok);
    watch().checkNow();
    EXPECT_EQ(book_.recordCount(), 5);
    EXPECT_NE(lastMessage().find("1 trip changed on both sides is kept in both forms"),
              std::string::npos)
        << lastMessage();
}

// A modal window open on a trip holds the change back until it closes; its edit then lands on
// its own trip, though the file moved that trip to another place.
TEST_F(FileWatchTest, AnEditorOpenDuringAChangeCommitsToItsOwnTrip) {
    window_.loadDatabase(path_);
    ASSERT_TRUE(book_.show(2));
    platform_.answerModal([this](QDialog& editor) {
        writeFromOutside(join({{trip(9), trip(10)}, trips(1, 3)}));
        watch().checkNow();
        EXPECT_EQ(book_.recordCount(), 3) << "nothing changes under an open window";
        type(editor, "edven", "Edited");
        platform_.answerMessage(Answer::Yes);  // "Really change the current record?"
        click(editor, "okay");
        return editor.result();
    });
    action("MnuEdit")->trigger();
    TripRecord edited = trip(2);
    edited[Field::Venue] = "Edited";
    platform_.answerMessage(Answer::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return book_.recordCount() == 5; }, 5000));
    EXPECT_EQ(held(), (std::vector<TripRecord>{trip(9), trip(10), trip(1), edited, trip(3)}));
    EXPECT_EQ(book_.current(), edited);
}

// Save looks at the file before it writes: a change the watcher has not seen yet is merged,
// said, and saved with the window's trips.
TEST_F(FileWatchTest, SaveMergesAChangeNotTakenInYetBeforeItWrites) {
    window_.loadDatabase(path_);
    ASSERT_TRUE(book_.appendRecords({trip(20)}).ok());
    writeFromOutside(join({trips(1, 3), {trip(9)}}));
    platform_.answerMessage(Answer::Ok);
    action("MnuSave")->trigger();
    EXPECT_EQ(
        lastMessage(),
        describe({"LOG.RWK was changed on disk while this window had unsaved changes, and the "
                  "two have been merged: 1 trip came from the file, 0 trips were removed by "
                  "it, and 0 trips changed on both sides are kept in both forms. The merged "
                  "trips are saved now.",
                  "Changed on Disk", Buttons::Ok, Icon::Information}));
    EXPECT_EQ(onDisk(), join({trips(1, 3), {trip(9), trip(20)}}));
    EXPECT_FALSE(book_.unsaved());
}

// A file that cannot be read is read once more, then said once; it is never read over the
// trips held, and a file that reads again is taken in.
TEST_F(FileWatchTest, ADamagedFileIsNeverReadOverTheTripsHeld) {
    window_.loadDatabase(path_);
    ASSERT_TRUE(book_.appendRecords({trip(20)}).ok());
    const std::string whole = databaseBytes(trips(1, 5));
    writeBytes(path_, whole.substr(0, whole.size() - 30));
    watch().checkNow();
    EXPECT_TRUE(platform_.messages().empty()) << "a sync program may still be writing it";
    platform_.answerMessage(Answer::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform_.messages().size() == 1u; }, 5000));
    EXPECT_EQ(lastMessage(), describe({"LOG.RWK was changed on disk, but it cannot be read: " +
                                           kQ(readDatabaseFile(path_).error()) +
                                           ". The trips in this window are kept as they are.",
                                       "Changed on Disk", Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(held(), join({trips(1, 3), {trip(20)}}));
    watch().checkNow();
    EXPECT_EQ(platform_.messages().size(), 1u) << "said once";

    // Save asks before it writes over a file it could not read; No leaves the file.
    platform_.answerMessage(Answer::No);
    action("MnuSave")->trigger();
    EXPECT_EQ(readBytes(path_), whole.substr(0, whole.size() - 30));
    EXPECT_EQ(platform_.messages().back().buttons, Buttons::YesNo);

    writeFromOutside(trips(1, 5));
    platform_.answerMessage(Answer::Ok);
    watch().checkNow();
    EXPECT_EQ(held(), join({trips(1, 5), {trip(20)}}));
}

// A merge past 250 trips is not made: the window keeps its trips, and Save asks before it
// replaces the file.
TEST_F(FileWatchTest, AMergePast250TripsIsRefusedAndSaveAsksBeforeReplacing) {
    path_ = writeDatabase("LOG.RWK", 1, 200);
    window_.loadDatabase(path_);
    ASSERT_TRUE(book_.appendRecords(trips(301, 340)).ok());
    writeFromOutside(join({trips(1, 200), trips(401, 440)}));
    platform_.answerMessage(Answer::Ok);
    watch().checkNow();
    EXPECT_EQ(book_.recordCount(), 240);
    EXPECT_NE(lastMessage().find("together would be more than 250. Nothing has been merged"),
              std::string::npos)
        << lastMessage();
    watch().checkNow();
    EXPECT_EQ(platform_.messages().size(), 1u) << "said once";

    for (const Answer answer : {Answer::No, Answer::Yes}) {
        platform_.answerMessage(answer);
        action("MnuSave")->trigger();
        EXPECT_EQ(
            lastMessage(),
            describe({"LOG.RWK was changed on disk, and its trips and the trips in this "
                      "window together would be more than 250. Replace the file with the "
                      "trips in this window? The file it replaces is kept as a backup.",
                      "Save", Buttons::YesNo, Icon::Exclamation, platform::DefaultButton::Second}));
        EXPECT_EQ(onDisk()[200], answer == Answer::Yes ? trip(301) : trip(401));
    }
}

// A sync program's conflict copy beside the log book is offered at its load: No leaves both
// files and asks again at the next load; Yes merges its trips and moves it to the backups.
TEST_F(FileWatchTest, AConflictCopyIsOfferedAndYesMergesItIntoTheLogBook) {
    const std::string copyName = "LOG.sync-conflict-20261207-101530-ABCDEF1.RWK";
    const std::string copy = writeDatabase(copyName, 2, 5);
    const std::string question =
        describe({"The file-sync program kept a second version of LOG.RWK: " + kQ(copyName) +
                      ". Merge its trips into this log book?",
                  "Conflict Copy", Buttons::YesNo, Icon::Question});
    platform_.answerMessage(Answer::No);
    window_.loadDatabase(path_);
    EXPECT_EQ(lastMessage(), question);
    EXPECT_EQ(held(), trips(1, 3));
    watch().checkNow();
    EXPECT_EQ(platform_.messages().size(), 1u) << "asked once a load";

    // This side adds trip 9 and saves, keeping the version both sides had among the backups.
    ASSERT_TRUE(book_.appendRecords({trip(9)}).ok());
    action("MnuSave")->trigger();
    std::vector<TripRecord> saved = trips(1, 3);
    saved.push_back(trip(9));
    ASSERT_EQ(readBytes(path_), databaseBytes(saved));

    platform_.answerMessage(Answer::Yes);
    platform_.answerMessage(Answer::Ok);
    window_.loadDatabase(path_);
    EXPECT_EQ(describe(platform_.messages()[1]), question);
    // Merged three ways against the version both sides had: the copy's side removed trip 1,
    // this side's trip 9 stays.
    EXPECT_EQ(held(), (std::vector<TripRecord>{trip(2), trip(3), trip(9), trip(4), trip(5)}));
    EXPECT_TRUE(book_.unsaved());
    EXPECT_EQ(readBytes(path_), databaseBytes(saved)) << "written only by Save";
    EXPECT_EQ(lastMessage(),
              describe({"The trips of " + kQ(copyName) +
                            " are merged into LOG.RWK: 2 trips came only from the copy, 1 trip "
                            "was removed by it. The copy is kept among the backups (File, "
                            "Backups...). Save keeps the merged "
                            "trips.",
                        "Conflict Copy", Buttons::Ok, Icon::Information}));
    EXPECT_FALSE(fileExists(copy));
    const auto backups = listBackups(path_, backupFolder(userFoldersFromEnvironment()));
    ASSERT_EQ(backups.size(), 2u) << "the copy beside the save's backup";
    const auto kept = std::find_if(backups.begin(), backups.end(),
                                   [](const Backup& backup) { return backup.conflictCopy; });
    ASSERT_NE(kept, backups.end());
    EXPECT_EQ(readBytes(kept->path), databaseBytes(trips(2, 5)));
    platform_.answerModal([](QDialog& dialog) {
        const auto* list = dialog.findChild<QTreeWidget*>("BackupList");
        EXPECT_EQ(list->topLevelItemCount(), 2);
        int copies = 0;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            copies += list->topLevelItem(i)->text(0).endsWith(" (conflict copy)");
        EXPECT_EQ(copies, 1);
        return QDialog::Rejected;
    });
    action("MnuBackups")->trigger();

    // One appearing while the log book is open is offered too, as the folder's watch sees it.
    const std::size_t asked = platform_.messages().size();
    platform_.answerMessage(Answer::No);
    writeDatabase("LOG (conflicted copy 2026-12-07 101530).RWK", 1, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform_.messages().size() > asked; }, 5000));
    EXPECT_NE(lastMessage().find("LOG (conflicted copy 2026-12-07 101530).RWK"), std::string::npos);
}

// Two windows on one log book, as on two machines through a synced folder: each takes in the
// other's saves, and neither Save loses a trip.
TEST_F(FileWatchTest, TwoWindowsOnOneLogBookEachTakeInTheOthersSaves) {
    RecordBook otherBook;
    ScriptedPlatform otherPlatform;
    MainWindow other(otherBook, otherPlatform);
    window_.loadDatabase(path_);
    other.loadDatabase(path_);
    FileWatch& otherWatch = *child<FileWatch>(other, "FileWatch");

    ASSERT_TRUE(book_.appendRecords({trip(20)}).ok());
    ASSERT_TRUE(otherBook.appendRecords({trip(30)}).ok());
    action("MnuSave")->trigger();
    otherPlatform.answerMessage(Answer::Ok);
    child<QAction>(other, "MnuSave")->trigger();  // merges the first window's save first
    EXPECT_EQ(onDisk(), join({trips(1, 3), {trip(20), trip(30)}}));
    watch().checkNow();
    EXPECT_EQ(held(), onDisk());
    EXPECT_FALSE(book_.unsaved());

    setText(book_, 1, Field::Venue, "Edited");
    action("MnuSave")->trigger();
    otherWatch.checkNow();
    EXPECT_EQ(otherBook.table().slot(1)[Field::Venue], "Edited");
    EXPECT_TRUE(otherPlatform.allAnswersUsed());
}

}  // namespace
}  // namespace rodwick::testing
