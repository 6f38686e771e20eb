#include <QMenu>
#include <cstring>

#include "database_file.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Titles = std::vector<std::pair<QString, bool>>;

const auto Q = [](const std::string& s) { return QString::fromStdString(s); };

std::string Truncated() {
    const std::string bytes = DatabaseBytes(Trips(1, 3));
    return bytes.substr(0, bytes.size() - 40);
}

const std::string kDatabaseDialog = "|Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*|1|RWK; ";

class FileCommandsTest : public MainWindowTest {
  protected:
    void Open(const std::string& path) {
        platform.answerOpenDialog(Q(path));
        window.openDatabase();
    }
    // The file image of the records held.
    std::string Held() { return FormatDatabase(book.table()); }
    // Each window title shown from now on, with whether the pointer was busy then.
    Titles& RecordTitles() {
        QObject::connect(&window, &QWidget::windowTitleChanged, [this](const QString& title) {
            titles.emplace_back(title, platform.busy);
        });
        return titles;
    }
    Titles titles;
};

TEST_F(FileCommandsTest, NewAsksAndYesEmptiesTheTableButLeavesStaleSlots) {
    const std::string a = WriteDatabase("a.rwk", 1, 3);
    window.loadDatabase(a);
    window.showNextRecord();
    platform.answerMessage(Answer::No);
    Action("MnuNew")->trigger();
    EXPECT_EQ(LastMessage(),
              Describe({"Really clear all records from memory??", "New", Buttons::YesNo,
                        Icon::Exclamation, platform::DefaultButton::Second}));
    EXPECT_EQ(Shown(), Showing({.record = 2, .of = 3}));

    platform.answerMessage(Answer::Yes);
    Action("MnuNew")->trigger();
    EXPECT_EQ(Window(), WindowOf({.title = "Untitled", .name = a})) << "New changes the title only";
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(book.table().slot(i), TripRecord{}) << i;
    EXPECT_EQ(Text("total"), "Record 0 of 0");
}

TEST_F(FileCommandsTest, SaveAfterNewAsksForANameAndLeavesTheLoadedFileAlone) {
    const std::string a = WriteDatabase("a.rwk", 1, 3), b = dir.File("b.rwk");
    window.loadDatabase(a);
    platform.answerMessage(Answer::Yes);
    window.newDatabase();
    platform.answerSaveDialog(Q(b));
    Action("MnuSave")->trigger();
    EXPECT_EQ(FileDialogs("save"), kDatabaseDialog);
    EXPECT_EQ(ReadBytes(b), " 0 \r\n");
    EXPECT_EQ(ReadBytes(a), DatabaseBytes(Trips(1, 3)));
    EXPECT_EQ(Window(), WindowOf({.title = "Untitled", .name = b})) << "saving never renames it";

    platform.answerSaveDialog(QString());
    window.save();
    EXPECT_EQ(FileDialogs("save"), kDatabaseDialog + kDatabaseDialog)
        << "still untitled: asks again";
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingAFileTheOpenOneToo) {
    const std::string a = WriteDatabase("a.rwk", 1, 3), b = WriteDatabase("b.rwk", 7, 8);
    window.loadDatabase(a);
    SetText(book, 2, Field::club, "changed");
    for (const std::string& path : {a, b}) {
        platform.answerSaveDialog(Q(path));
        platform.answerMessage(Answer::No);
        Action("MnuSas")->trigger();
        EXPECT_EQ(LastMessage(), Describe({"This file already exists. Overwrite the file",
                                           "Save as", Buttons::YesNo, Icon::Exclamation}));
    }
    EXPECT_EQ(ReadBytes(a), DatabaseBytes(Trips(1, 3)));
    EXPECT_EQ(ReadBytes(b), DatabaseBytes(Trips(7, 8)));
    window.save();  // to the file used before
    const std::string saved = Held();
    EXPECT_EQ(ReadBytes(a), saved);
    EXPECT_EQ(ReadBytes(b), DatabaseBytes(Trips(7, 8)));

    const Titles& titles = RecordTitles();
    platform.answerSaveDialog(Q(b));
    platform.answerMessage(Answer::Yes);
    window.saveAs();
    EXPECT_EQ(ReadBytes(b), saved);
    EXPECT_EQ(Window(), WindowOf({.title = a, .name = b, .records = 3}));
    EXPECT_EQ(titles, (Titles{{"Saving. Please wait...", true}, {Q("Rodwick DB: " + a), false}}));
    SetText(book, 1, Field::remarks, "second save");
    window.save();  // to the new file, without a question
    EXPECT_EQ(ReadBytes(b), Held());
    EXPECT_EQ(ReadBytes(a), saved);
}

TEST_F(FileCommandsTest, AFailedSaveSaysSoAndKeepsTheOldFileAndName) {
    const std::string a = WriteDatabase("a.rwk", 1, 2), plain = dir.File("plain.txt");
    const std::string intoFile = plain + "/new.rwk";
    WriteBytes(plain, "not a folder");
    window.loadDatabase(a);
    platform.answerSaveDialog(Q(intoFile));
    platform.answerMessage(Answer::Ok);
    window.saveAs();
    // The system's reason follows the path.
    EXPECT_EQ(LastMessage(),
              Describe({"Could not save the database to " + Q(intoFile) + ": " +
                            std::strerror(ENOTDIR) + ". The file on disk was not changed.",
                        "Save", Buttons::Ok, Icon::Stop}));
    EXPECT_EQ(Window(), WindowOf({.title = a, .name = a, .records = 2}));
    EXPECT_EQ(ReadBytes(a), DatabaseBytes(Trips(1, 2)));
    EXPECT_EQ(ReadBytes(plain), "not a folder");

    SetText(book, 2, Field::bait, "worms");
    window.save();  // the old file still takes the Saves
    EXPECT_EQ(ReadBytes(a), Held());
}

TEST_F(FileCommandsTest, OpenLoadsAndListsTheFileFromItsFirstTripAndCancelChangesNothing) {
    const std::string a = WriteDatabase("a.rwk", 1, 5), b = WriteDatabase("b.rwk", 6, 7);
    const Titles& titles = RecordTitles();
    Open("");
    EXPECT_EQ(FileDialogs("open"), kDatabaseDialog);
    EXPECT_TRUE(titles.empty());
    EXPECT_TRUE(platform.busyPointerChanges.empty());

    Open(a);
    EXPECT_EQ(Shown(), Showing({.record = 1, .of = 5}));
    EXPECT_EQ(Window(), WindowOf({.title = a, .name = a, .records = 5, .list = a}));
    EXPECT_EQ(titles, (Titles{{"Loading. Please wait...", true}, {Q("Rodwick DB: " + a), false}}));
    window.showLastRecord();
    Open("");
    EXPECT_EQ(Shown(), Showing({.record = 5, .of = 5}));
    Open(b);
    EXPECT_EQ(Shown(), Showing({.record = 1, .of = 2, .trip = 6}));
    EXPECT_EQ(Window(), WindowOf({.title = b, .name = b, .records = 2, .list = a + " " + b}));
}

// A file that cannot be loaded, by Open or at start, changes neither the table nor the title.
struct BadFile {
    const char* label;
    std::string bytes;
    friend void PrintTo(const BadFile& file, std::ostream* out) { *out << file.label; }
};
class BadFileTest : public FileCommandsTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, KeepsTheTableAndTitle) {
    const std::string bad = dir.File("bad.rwk"), a = WriteDatabase("a.rwk", 1, 2);
    const bool missing = GetParam().label == std::string("Missing");
    if (!missing) WriteBytes(bad, GetParam().bytes);
    Open(bad);
    EXPECT_EQ(Window(), WindowOf({.title = "Untitled", .name = "Untitled"}));
    Open(a);
    window.showLastRecord();
    Open(bad);
    EXPECT_EQ(Window(), WindowOf({.title = a, .name = a, .records = 2, .list = a}));
    EXPECT_EQ(Shown(), Showing({.record = 2, .of = 2}));
    EXPECT_TRUE(Chrec()->isEnabled());

    // After New the title shows another name than the file name: a missing file takes the
    // name the title shows, an unusable one keeps the name held before.
    platform.answerMessage(Answer::Yes);
    window.newDatabase();
    Open(bad);
    EXPECT_EQ(Window(),
              WindowOf({.title = "Untitled", .name = missing ? "Untitled" : a, .list = a}));
    EXPECT_FALSE(Chrec()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    // Every way a file is unusable is the store's to tell; here it is one failed load.
    ::testing::Values(BadFile{"Missing", ""}, BadFile{"Truncated", Truncated()},
                      BadFile{"MoreThan250", DatabaseBytes(Trips(1, 251))}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FileCommandsTest, OpenedFilesAreListedOnceInOrderAndReopenWithoutAQuestion) {
    const std::string lower = WriteDatabase("trip.rwk", 1, 2),
                      upper = WriteDatabase("TRIP.RWK", 3, 3);
    const std::string b = WriteDatabase("b.rwk", 4, 5), c = WriteDatabase("fish & chips.rwk", 6, 6);
    const std::string list = lower + " " + b + " " + c;
    for (const std::string& path : {lower, upper, b, c, c}) Open(path);
    EXPECT_EQ(Window(), WindowOf({.title = c, .name = c, .records = 1, .list = list}));

    // The File menu ends with the separator and the three entries, numbered 0 to 3.
    const QList<QAction*> all = Find<QMenu>("MnuFile")->actions();
    const QList<QAction*> tail = all.mid(all.indexOf(Action("mnufilearray")));
    QString entries;
    for (const QAction* entry : tail) {
        entries += entry->objectName() + entry->property("index").toString() +
                   (entry->isVisible() ? " " : " hidden ") +
                   (entry->isSeparator() ? QStringLiteral("-") : entry->text()) + "; ";
    }
    EXPECT_EQ(entries, "mnufilearray0 -; mnufilearray1 " + Q(lower) + "; mnufilearray2 " + Q(b) +
                           "; mnufilearray3 " + Q(dir.File("fish && chips.rwk")) + "; ");
    SetText(book, 1, Field::venue, "edited, not saved");
    ASSERT_EQ(tail.size(), 4);
    tail[1]->trigger();
    EXPECT_EQ(Shown(), Showing({.record = 1, .of = 2}));
    EXPECT_EQ(Window(), WindowOf({.title = lower, .name = lower, .records = 2, .list = list}));
    window.openListedFile(3);
    EXPECT_EQ(Shown(), Showing({.record = 1, .of = 1, .trip = 6}));
}

TEST_F(FileCommandsTest, MergeAppendsAfterTheTripsHeldUpTo250) {
    const auto merge = [this](const std::string& path) {
        platform.answerSaveDialog(Q(path));
        window.merge();
    };
    merge(WriteDatabase("none.rwk", 1, 0));
    EXPECT_EQ(Text("total"), "Record 0 of 0");
    EXPECT_EQ(Area(), "notice");
    EXPECT_FALSE(Action("MnuFind")->isEnabled());
    EXPECT_FALSE(Chrec()->isEnabled());

    platform.answerSaveDialog(Q(WriteDatabase("m.rwk", 1, 2)));
    Action("MnuMer")->trigger();
    EXPECT_EQ(FileDialogs("save"),
              "Merge with.." + kDatabaseDialog + "Merge with.." + kDatabaseDialog);
    EXPECT_EQ(Shown(), Showing({.record = 1, .of = 2}));
    EXPECT_TRUE(Action("MnuFind")->isEnabled());
    window.showNextRecord();
    merge(WriteDatabase("n.rwk", 3, 245));
    EXPECT_EQ(Shown(), Showing({.record = 2, .of = 245}));
    EXPECT_EQ(Chrec()->maximum(), 245);

    WriteBytes(dir.File("short.rwk"), Truncated());
    for (const std::string& path :
         {dir.File("missing.rwk"), dir.File("short.rwk"), WriteDatabase("ten.rwk", 246, 255), {}}) {
        merge(path);
        EXPECT_EQ(Shown(), Showing({.record = 2, .of = 245})) << path;
    }
    merge(WriteDatabase("five.rwk", 246, 250));
    EXPECT_EQ(Held(), DatabaseBytes(Trips(1, 250)));
    EXPECT_EQ(Window(), WindowOf({.title = "Untitled", .name = "Untitled", .records = 250}));
    EXPECT_TRUE(platform.busyPointerChanges.empty());
}

TEST_F(FileCommandsTest, ExitAndClosingTheWindowAskOnceBeforeEndingTheProgram) {
    // By the Exit command or not (closing from the title bar), and the answer.
    const std::pair<bool, Answer> steps[] = {
        {true, Answer::No}, {false, Answer::No}, {true, Answer::Yes}, {false, Answer::Yes}};
    for (const auto& [byExit, answer] : steps) {
        window.show();
        platform.answerMessage(answer);
        byExit ? Action("MnuExit")->trigger() : void(window.close());
        EXPECT_EQ(window.isVisible(), answer == Answer::No);
    }
    EXPECT_EQ(platform.messages().size(), 4u);
    EXPECT_EQ(LastMessage(), Describe({"Really leave The Rodwick Database by Harrowby Software",
                                       "Exit", Buttons::YesNo, Icon::Question}));
}

}  // namespace
}  // namespace rodwick::testing
