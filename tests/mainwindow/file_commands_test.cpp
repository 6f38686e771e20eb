// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenu>
#include <cstring>

#include <QTreeWidget>
#include <cstdlib>

#include "backups.h"
#include "database_file.h"
#include "program_files.h"
#include "recovery.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Titles = std::vector<std::pair<QString, bool>>;

const auto kQ = [](const std::string& s) { return QString::fromStdString(s); };

std::string truncated() {
    const std::string bytes = databaseBytes(trips(1, 3));
    return bytes.substr(0, bytes.size() - 40);
}

const std::string kDatabaseDialog = "|Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*|1|RWK; ";

class FileCommandsTest : public MainWindowTest {
  protected:
    void open(const std::string& path) {
        platform_.answerOpenDialog(kQ(path));
        window_.openDatabase();
    }
    // The file image of the records held.
    std::string heldTrips() { return formatDatabase(book_.table()); }
    // Each window title shown from now on, with whether the pointer was busy then.
    Titles& recordTitles() {
        QObject::connect(&window_, &QWidget::windowTitleChanged, [this](const QString& title) {
            titles_.emplace_back(title, platform_.busy);
        });
        return titles_;
    }
    Titles titles_;
};

TEST_F(FileCommandsTest, NewAsksAndYesEmptiesTheTableButLeavesStaleSlots) {
    const std::string a = writeDatabase("a.rwk", 1, 3);
    window_.loadDatabase(a);
    window_.showNextRecord();
    platform_.answerMessage(Answer::No);
    action("MnuNew")->trigger();
    EXPECT_EQ(lastMessage(),
              describe({"Really clear all records from memory??", "New", Buttons::YesNo,
                        Icon::Exclamation, platform::DefaultButton::Second}));
    EXPECT_EQ(viewText(), showing({.record = 2, .of = 3}));

    platform_.answerMessage(Answer::Yes);
    action("MnuNew")->trigger();
    EXPECT_EQ(window(), windowOf({.title = "Untitled", .name = a})) << "New changes the title only";
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(book_.table().slot(i), TripRecord{}) << i;
    EXPECT_EQ(text("total"), "Record 0 of 0");
}

TEST_F(FileCommandsTest, SaveAfterNewAsksForANameAndLeavesTheLoadedFileAlone) {
    const std::string a = writeDatabase("a.rwk", 1, 3), b = dir_.file("b.rwk");
    window_.loadDatabase(a);
    platform_.answerMessage(Answer::Yes);
    window_.newDatabase();
    platform_.answerSaveDialog(kQ(b));
    action("MnuSave")->trigger();
    EXPECT_EQ(fileDialogs("save"), kDatabaseDialog);
    EXPECT_EQ(readBytes(b), " 0 \r\n");
    EXPECT_EQ(readBytes(a), databaseBytes(trips(1, 3)));
    EXPECT_EQ(window(), windowOf({.title = "Untitled", .name = b})) << "saving never renames it";

    platform_.answerSaveDialog(QString());
    window_.save();
    EXPECT_EQ(fileDialogs("save"), kDatabaseDialog + kDatabaseDialog)
        << "still untitled: asks again";
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingAFileTheOpenOneToo) {
    const std::string a = writeDatabase("a.rwk", 1, 3), b = writeDatabase("b.rwk", 7, 8);
    window_.loadDatabase(a);
    setText(book_, 2, Field::Club, "changed");
    for (const std::string& path : {a, b}) {
        platform_.answerSaveDialog(kQ(path));
        platform_.answerMessage(Answer::No);
        action("MnuSas")->trigger();
        EXPECT_EQ(lastMessage(), describe({"This file already exists. Overwrite the file",
                                           "Save as", Buttons::YesNo, Icon::Exclamation}));
    }
    EXPECT_EQ(readBytes(a), databaseBytes(trips(1, 3)));
    EXPECT_EQ(readBytes(b), databaseBytes(trips(7, 8)));
    window_.save();  // to the file used before
    const std::string saved = heldTrips();
    EXPECT_EQ(readBytes(a), saved);
    EXPECT_EQ(readBytes(b), databaseBytes(trips(7, 8)));

    const Titles& titles = recordTitles();
    platform_.answerSaveDialog(kQ(b));
    platform_.answerMessage(Answer::Yes);
    window_.saveAs();
    EXPECT_EQ(readBytes(b), saved);
    EXPECT_EQ(window(), windowOf({.title = a, .name = b, .records = 3}));
    EXPECT_EQ(titles, (Titles{{"Saving. Please wait...", true}, {kQ("Rodwick DB: " + a), false}}));
    setText(book_, 1, Field::Remarks, "second save");
    window_.save();  // to the new file, without a question
    EXPECT_EQ(readBytes(b), heldTrips());
    EXPECT_EQ(readBytes(a), saved);
}

TEST_F(FileCommandsTest, AFailedSaveSaysSoAndKeepsTheOldFileAndName) {
    const std::string a = writeDatabase("a.rwk", 1, 2), plain = dir_.file("plain.txt");
    const std::string intoFile = plain + "/new.rwk";
    writeBytes(plain, "not a folder");
    window_.loadDatabase(a);
    platform_.answerSaveDialog(kQ(intoFile));
    platform_.answerMessage(Answer::Ok);
    window_.saveAs();
    // The system's reason follows the path.
    EXPECT_EQ(lastMessage(),
              describe({"Could not save the database to " + kQ(intoFile) + ": " +
                            std::strerror(ENOTDIR) + ". The file on disk was not changed.",
                        "Save", Buttons::Ok, Icon::Stop}));
    EXPECT_EQ(window(), windowOf({.title = a, .name = a, .records = 2}));
    EXPECT_EQ(readBytes(a), databaseBytes(trips(1, 2)));
    EXPECT_EQ(readBytes(plain), "not a folder");

    setText(book_, 2, Field::Bait, "worms");
    window_.save();  // the old file still takes the Saves
    EXPECT_EQ(readBytes(a), heldTrips());
}

TEST_F(FileCommandsTest, OpenLoadsAndListsTheFileFromItsFirstTripAndCancelChangesNothing) {
    const std::string a = writeDatabase("a.rwk", 1, 5), b = writeDatabase("b.rwk", 6, 7);
    const Titles& titles = recordTitles();
    open("");
    EXPECT_EQ(fileDialogs("open"), kDatabaseDialog);
    EXPECT_TRUE(titles.empty());
    EXPECT_TRUE(platform_.busyPointerChanges.empty());

    open(a);
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 5}));
    EXPECT_EQ(window(), windowOf({.title = a, .name = a, .records = 5, .list = a}));
    EXPECT_EQ(titles, (Titles{{"Loading. Please wait...", true}, {kQ("Rodwick DB: " + a), false}}));
    window_.showLastRecord();
    open("");
    EXPECT_EQ(viewText(), showing({.record = 5, .of = 5}));
    open(b);
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 2, .trip = 6}));
    EXPECT_EQ(window(), windowOf({.title = b, .name = b, .records = 2, .list = a + " " + b}));
}

// A file that cannot be loaded, by Open or at start, changes neither the table nor the title.
struct BadFile {
    const char* label;
    std::string bytes;
    friend void PrintTo(const BadFile& file, std::ostream* out) { *out << file.label; }
};
class BadFileTest : public FileCommandsTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, KeepsTheTableAndTitle) {
    const std::string bad = dir_.file("bad.rwk"), a = writeDatabase("a.rwk", 1, 2);
    const bool missing = GetParam().label == std::string("Missing");
    if (!missing) writeBytes(bad, GetParam().bytes);
    open(bad);
    EXPECT_EQ(window(), windowOf({.title = "Untitled", .name = "Untitled"}));
    open(a);
    window_.showLastRecord();
    open(bad);
    EXPECT_EQ(window(), windowOf({.title = a, .name = a, .records = 2, .list = a}));
    EXPECT_EQ(viewText(), showing({.record = 2, .of = 2}));
    EXPECT_TRUE(recordScrollBar()->isEnabled());

    // After New the title shows another name than the file name: a missing file takes the
    // name the title shows, an unusable one keeps the name held before.
    platform_.answerMessage(Answer::Yes);
    window_.newDatabase();
    open(bad);
    EXPECT_EQ(window(),
              windowOf({.title = "Untitled", .name = missing ? "Untitled" : a, .list = a}));
    EXPECT_FALSE(recordScrollBar()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    // Every way a file is unusable is the store's to tell; here it is one failed load.
    ::testing::Values(BadFile{"Missing", ""}, BadFile{"Truncated", truncated()},
                      BadFile{"MoreThan250", databaseBytes(trips(1, 251))}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FileCommandsTest, OpenedFilesAreListedOnceInOrderAndReopenWithoutAQuestion) {
    const std::string lower = writeDatabase("trip.rwk", 1, 2),
                      upper = writeDatabase("TRIP.RWK", 3, 3);
    const std::string b = writeDatabase("b.rwk", 4, 5), c = writeDatabase("fish & chips.rwk", 6, 6);
    const std::string list = lower + " " + b + " " + c;
    for (const std::string& path : {lower, upper, b, c, c}) open(path);
    EXPECT_EQ(window(), windowOf({.title = c, .name = c, .records = 1, .list = list}));

    // The File menu ends with the separator and the three entries, numbered 0 to 3.
    const QList<QAction*> all = find<QMenu>("MnuFile")->actions();
    const QList<QAction*> tail = all.mid(all.indexOf(action("mnufilearray")));
    QString entries;
    for (const QAction* entry : tail) {
        entries += entry->objectName() + entry->property("index").toString() +
                   (entry->isVisible() ? " " : " hidden ") +
                   (entry->isSeparator() ? QStringLiteral("-") : entry->text()) + "; ";
    }
    EXPECT_EQ(entries, "mnufilearray0 -; mnufilearray1 " + kQ(lower) + "; mnufilearray2 " + kQ(b) +
                           "; mnufilearray3 " + kQ(dir_.file("fish && chips.rwk")) + "; ");
    setText(book_, 1, Field::Venue, "edited, not saved");
    ASSERT_EQ(tail.size(), 4);
    tail[1]->trigger();
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 2}));
    EXPECT_EQ(window(), windowOf({.title = lower, .name = lower, .records = 2, .list = list}));
    // The edit left unsaved is offered back; No keeps the file's trips.
    platform_.answerMessage(Answer::No);
    window_.openListedFile(3);
    EXPECT_EQ(platform_.callsOf("message").back().title, "Recover");
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 1, .trip = 6}));
}

TEST_F(FileCommandsTest, MergeAppendsAfterTheTripsHeldUpTo250) {
    const auto merge = [this](const std::string& path) {
        platform_.answerSaveDialog(kQ(path));
        window_.merge();
    };
    merge(writeDatabase("none.rwk", 1, 0));
    EXPECT_EQ(text("total"), "Record 0 of 0");
    EXPECT_EQ(area(), "notice");
    EXPECT_FALSE(action("MnuFind")->isEnabled());
    EXPECT_FALSE(recordScrollBar()->isEnabled());

    platform_.answerSaveDialog(kQ(writeDatabase("m.rwk", 1, 2)));
    action("MnuMer")->trigger();
    EXPECT_EQ(fileDialogs("save"),
              "Merge with.." + kDatabaseDialog + "Merge with.." + kDatabaseDialog);
    EXPECT_EQ(viewText(), showing({.record = 1, .of = 2}));
    EXPECT_TRUE(action("MnuFind")->isEnabled());
    window_.showNextRecord();
    merge(writeDatabase("n.rwk", 3, 245));
    EXPECT_EQ(viewText(), showing({.record = 2, .of = 245}));
    EXPECT_EQ(recordScrollBar()->maximum(), 245);

    writeBytes(dir_.file("short.rwk"), truncated());
    for (const std::string& path : {dir_.file("missing.rwk"),
                                    dir_.file("short.rwk"),
                                    writeDatabase("ten.rwk", 246, 255),
                                    {}}) {
        merge(path);
        EXPECT_EQ(viewText(), showing({.record = 2, .of = 245})) << path;
    }
    merge(writeDatabase("five.rwk", 246, 250));
    EXPECT_EQ(heldTrips(), databaseBytes(trips(1, 250)));
    EXPECT_EQ(window(), windowOf({.title = "Untitled", .name = "Untitled", .records = 250}));
    EXPECT_TRUE(platform_.busyPointerChanges.empty());
}

TEST_F(FileCommandsTest, ExitAndClosingTheWindowAskOnceBeforeEndingTheProgram) {
    // By the Exit command or not (closing from the title bar), and the answer.
    const std::pair<bool, Answer> steps[] = {
        {true, Answer::No}, {false, Answer::No}, {true, Answer::Yes}, {false, Answer::Yes}};
    for (const auto& [byExit, answer] : steps) {
        window_.show();
        platform_.answerMessage(answer);
        byExit ? action("MnuExit")->trigger() : void(window_.close());
        EXPECT_EQ(window_.isVisible(), answer == Answer::No);
    }
    EXPECT_EQ(platform_.messages().size(), 4u);
    EXPECT_EQ(lastMessage(), describe({"Really leave The Rodwick Database by Harrowby Software",
                                       "Exit", Buttons::YesNo, Icon::Question}));
}

TEST_F(FileCommandsTest, ALoadOffersTheTripsLeftUnsavedAndASaveKeepsThemForGood) {
    const std::string a = writeDatabase("a.rwk", 1, 3);
    const std::string state = recoveryFolder(userFoldersFromEnvironment());
    const auto question = [&](const std::string& path) {
        const auto copy = parseRecoveryCopy(readBytes(recoveryFileFor(state, path)));
        return describe({kQ(path.empty() ? "Untitled" : path) + " has unsaved changes from " +
                             kQ(copy.value().time) + ". Recover them?",
                         "Recover", Buttons::YesNo, Icon::Question});
    };
    window_.loadDatabase(a);
    setText(book_, 2, Field::Venue, "Lake");
    const std::string edited = heldTrips();

    // No: the file's trips, and the copy is gone; Yes: the kept trips, unsaved, as a.
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        const std::string asked = question(a);
        platform_.answerMessage(answer);
        window_.loadDatabase(a);
        EXPECT_EQ(lastMessage(), asked);
        EXPECT_EQ(heldTrips(), answer == Answer::Yes ? edited : databaseBytes(trips(1, 3)));
        EXPECT_EQ(fileExists(recoveryFileFor(state, a)), answer == Answer::Yes);
        // A load starts a new history, and the recovered trips are one step of it.
        EXPECT_EQ(book_.undoName(), answer == Answer::Yes ? "Recovery" : "");
        if (answer == Answer::No) setText(book_, 2, Field::Venue, "Lake");
    }
    EXPECT_EQ(book_.titleName(), a);
    EXPECT_EQ(readBytes(a), databaseBytes(trips(1, 3))) << "only a save writes the file";

    // A save removes the copy and keeps the replaced file; the next load asks nothing.
    action("MnuSave")->trigger();
    EXPECT_FALSE(fileExists(recoveryFileFor(state, a)));
    const std::vector<Backup> backups = listBackups(a, backupFolder(userFoldersFromEnvironment()));
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(readBytes(backups[0].path), databaseBytes(trips(1, 3)));
    window_.loadDatabase(a);
    EXPECT_EQ(heldTrips(), edited);

    // A table never saved is offered untitled, so that Save asks for its name.
    book_.adopt(RecordTable{}, RecordTable::kUntitled);
    ASSERT_TRUE(book_.appendRecords(trips(7, 8)).ok());
    book_.adopt(RecordTable{}, RecordTable::kUntitled);
    const std::string asked = question("");
    platform_.answerMessage(Answer::Yes);
    window_.offerUnsavedTable();
    EXPECT_EQ(lastMessage(), asked);
    EXPECT_EQ(heldTrips(), databaseBytes(trips(7, 8)));
    EXPECT_TRUE(book_.isUntitled());
}

TEST_F(FileCommandsTest, BackupsListsTheDatedCopiesAndOpensTheOneChosen) {
    const std::string a = writeDatabase("a.rwk", 1, 3);
    window_.loadDatabase(a);
    setText(book_, 1, Field::Venue, "Lake");
    action("MnuSave")->trigger();
    const std::string backup = listBackups(a, backupFolder(userFoldersFromEnvironment()))[0].path;
    for (const int button : {QDialog::Rejected, QDialog::Accepted}) {
        platform_.answerModal([&](QDialog& dialog) {
            const auto* list = dialog.findChild<QTreeWidget*>("BackupList");
            EXPECT_EQ(list->topLevelItemCount(), 1);
            EXPECT_EQ(list->currentItem()->text(1), "3");
            EXPECT_EQ(list->currentItem()->text(2),
                      QString::number(databaseBytes(trips(1, 3)).size()));
            return button;
        });
        action("MnuBackups")->trigger();
    }
    EXPECT_EQ(book_.titleName(), backup);
    EXPECT_EQ(heldTrips(), databaseBytes(trips(1, 3)));
    EXPECT_EQ(window_.fileListCaptions().back(), kQ(backup));
}

TEST_F(FileCommandsTest, EditsAndSavesGoOnWhereNoCopyOrBackupCanBeKept) {
    const std::string a = writeDatabase("a.rwk", 1, 3);
    const UserFolders user = userFoldersFromEnvironment();
    // Files where the folders should be: nothing can be written under them.
    std::filesystem::create_directories(user.stateHome);
    std::filesystem::create_directories(user.dataHome + "/rodwick");
    writeBytes(recoveryFolder(user), "");
    writeBytes(backupFolder(user), "");
    window_.loadDatabase(a);
    setText(book_, 1, Field::Venue, "Lake");
    EXPECT_EQ(text("helpdata"),
              kQ("Changes are not being kept in a recovery copy: ") + std::strerror(ENOTDIR) + ".");
    platform_.answerMessage(Answer::Ok);
    action("MnuSave")->trigger();
    EXPECT_EQ(readBytes(a), heldTrips());
    EXPECT_EQ(lastMessage(),
              describe({"The database was saved, but the file it replaced could not be kept as a "
                        "backup in " +
                            kQ(backupFolder(user)) + ": " + std::strerror(ENOTDIR) + ".",
                        "Save", Buttons::Ok, Icon::Exclamation}));
}

}  // namespace
}  // namespace rodwick::testing
