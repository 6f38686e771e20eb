#include <QCoreApplication>
#include <QMenu>
#include <QMetaObject>

#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::DefaultButton;
using platform::Icon;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
QString TitleFor(const std::string& path) {
    return QStringLiteral("Rodwick DB: ") + Q(path);
}
const QString kUntitled = QStringLiteral("Rodwick DB: Untitled");

void ExpectDatabaseDialog(const PlatformCall& call, const QString& title) {
    EXPECT_EQ(call.fileOptions.filter,
              QStringLiteral("Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*"));
    EXPECT_EQ(call.fileOptions.filterIndex, 1);
    EXPECT_EQ(call.fileOptions.title, title);
    EXPECT_EQ(call.fileOptions.defaultExtension, QStringLiteral("RWK"));
}

// Counts the requests to end the program that reach the application.
class QuitWatcher : public QObject {
  public:
    QuitWatcher() { QCoreApplication::instance()->installEventFilter(this); }
    ~QuitWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    int quits = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) ++quits;
        return false;
    }
};

// Runs the application's event loop for one piece of work; the loop ends afterwards
// whether or not the work ended the program.
void RunInEventLoop(const std::function<void()>& work) {
    QCoreApplication* app = QCoreApplication::instance();
    QMetaObject::invokeMethod(app, work, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    QCoreApplication::exec();
}

class FileCommandsTest : public Form1Test {
  protected:
    void Open(const std::string& path) {
        platform.answerOpenDialog(Q(path));
        window.MnuOpen_Click();
    }

    void ExpectNoMessages() {
        for (const PlatformCall& call : platform.messages()) {
            ADD_FAILURE() << "unexpected message \"" << call.text.toStdString() << "\"";
        }
    }

    std::vector<TripRecord> Held() {
        std::vector<TripRecord> held;
        for (int i = 1; i <= state.table.recordCount(); ++i) held.push_back(state.table.slot(i));
        return held;
    }
};

// New.

TEST_F(FileCommandsTest, NewAnsweredNoKeepsEveryTrip) {
    Hold(3);
    window.MnuNext_Click();
    platform.answerMessage(Answer::No);
    Action("MnuNew")->trigger();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectMessage(platform.messages()[0], QStringLiteral("Really clear all records from memory??"),
                  QStringLiteral("New"), Buttons::YesNo, Icon::Exclamation, DefaultButton::Second);
    EXPECT_TRUE(Shows(2, 3));
    EXPECT_TRUE(PanelShown());
}

TEST_F(FileCommandsTest, NewAnsweredYesEmptiesTheTableButLeavesStaleSlots) {
    const std::string a = WriteDatabase("a.rwk", 1, 3);
    LoadAtStart(a);
    state.table.slot(7)[Field::venue] = "stale";
    platform.answerMessage(Answer::Yes);
    Action("MnuNew")->trigger();

    EXPECT_EQ(state.table.recordCount(), 0);
    EXPECT_EQ(state.table.currentRecord(), 0);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(state.table.slot(i), TripRecord{}) << i;
    EXPECT_EQ(state.table.slot(7)[Field::venue], "stale");
    EXPECT_EQ(window.windowTitle(), kUntitled);
    EXPECT_EQ(state.table.currentFileName(), a) << "New changes the title only";
    EXPECT_EQ(Text("total"), QStringLiteral("Record 0 of 0"));
    EXPECT_TRUE(NoticeShown());
    EXPECT_FALSE(Action("MnuEdit")->isEnabled());
}

// Save and Save As.

TEST_F(FileCommandsTest, SaveAfterNewAsksForANameAndLeavesTheLoadedFileAlone) {
    const std::string a = WriteDatabase("a.rwk", 1, 3);
    LoadAtStart(a);
    const std::string before = ReadBytes(a);
    platform.answerMessage(Answer::Yes);
    window.MnuNew_Click();

    const std::string b = PathOf("b.rwk");
    platform.answerSaveDialog(Q(b));
    Action("MnuSave")->trigger();

    const auto saves = platform.callsOf(QStringLiteral("save"));
    ASSERT_EQ(saves.size(), 1u);
    ExpectDatabaseDialog(saves[0], QString());
    EXPECT_EQ(ReadBytes(b), " 0 \r\n");
    EXPECT_EQ(ReadBytes(a), before);
    EXPECT_EQ(state.table.currentFileName(), b);
    EXPECT_EQ(window.windowTitle(), kUntitled) << "saving never renames the window";

    // Still untitled: the next Save asks for a name again.
    platform.answerSaveDialog(QString());
    window.MnuSave_Click();
    EXPECT_EQ(platform.callsOf(QStringLiteral("save")).size(), 2u);
    ExpectPointerNormal();
}

TEST_F(FileCommandsTest, SaveAsOntoAnExistingFileAnsweredNoWritesNothing) {
    const std::string a = WriteDatabase("a.rwk", 1, 3);
    const std::string b = WriteDatabase("b.rwk", 7, 8);
    LoadAtStart(a);
    const std::string bBefore = ReadBytes(b);
    state.table.slot(2)[Field::club] = "changed";

    platform.answerSaveDialog(Q(b));
    platform.answerMessage(Answer::No);
    Action("MnuSas")->trigger();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectMessage(platform.messages()[0],
                  QStringLiteral("This file already exists. Overwrite the file"),
                  QStringLiteral("Save as"), Buttons::YesNo, Icon::Exclamation);
    EXPECT_EQ(ReadBytes(b), bBefore);
    EXPECT_EQ(state.table.currentFileName(), a);

    // The next Save goes to the file used before.
    window.MnuSave_Click();
    EXPECT_EQ(ReadBytes(a), DatabaseBytes(Held()));
    EXPECT_NE(ReadBytes(a).find("changed"), std::string::npos);
    EXPECT_EQ(ReadBytes(b), bBefore);
    EXPECT_EQ(platform.messages().size(), 1u);
    ExpectPointerNormal();
}

TEST_F(FileCommandsTest, SaveAsAnsweredYesReplacesTheFileAndKeepsTheTitle) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    const std::string b = WriteDatabase("b.rwk", 1, 5);
    LoadAtStart(a);
    const std::string aBefore = ReadBytes(a);
    std::vector<std::pair<QString, bool>> titles;  // each title shown, with the pointer then
    QObject::connect(&window, &QWidget::windowTitleChanged,
                     [&](const QString& title) { titles.emplace_back(title, platform.busy); });

    platform.answerSaveDialog(Q(b));
    platform.answerMessage(Answer::Yes);
    window.MnuSas_Click();

    EXPECT_EQ(ReadBytes(b), DatabaseBytes(Trips(1, 2)));
    EXPECT_EQ(state.table.currentFileName(), b);
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0], std::make_pair(QStringLiteral("Saving. Please wait..."), true));
    EXPECT_EQ(titles[1], std::make_pair(TitleFor(a), false));

    // Later Saves go to the new file, without a question.
    state.table.slot(1)[Field::remarks] = "second save";
    window.MnuSave_Click();
    EXPECT_EQ(ReadBytes(b), DatabaseBytes(Held()));
    EXPECT_EQ(ReadBytes(a), aBefore);
    EXPECT_EQ(platform.messages().size(), 1u);
    ExpectPointerNormal();
}

TEST_F(FileCommandsTest, AFailedSaveAsSaysSoAndLeavesTheOldFileAndName) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    LoadAtStart(a);
    const std::string aBefore = ReadBytes(a);
    const std::string plainFile = PathOf("plain.txt");
    WriteBytes(plainFile, "not a folder");
    const std::string target = plainFile + "/new.rwk";

    platform.answerSaveDialog(Q(target));
    platform.answerMessage(Answer::Ok);
    window.MnuSas_Click();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectMessage(platform.messages()[0],
                  QStringLiteral("Could not save the database to ") + Q(target) +
                      QStringLiteral(". The file on disk was not changed."),
                  QStringLiteral("Save"), Buttons::Ok, Icon::Stop);
    EXPECT_EQ(state.table.currentFileName(), a);
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_EQ(ReadBytes(a), aBefore);
    EXPECT_EQ(ReadBytes(plainFile), "not a folder");
    ExpectPointerNormal();

    // Save still writes the old file.
    state.table.slot(2)[Field::bait] = "worms";
    window.MnuSave_Click();
    EXPECT_EQ(ReadBytes(a), DatabaseBytes(Held()));
    EXPECT_EQ(platform.messages().size(), 1u);
}

TEST_F(FileCommandsTest, AFailedSaveIntoAMissingFolderSaysSo) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    LoadAtStart(a);
    const std::string target = PathOf("no such folder/a.rwk");
    state.table.setCurrentFileName(target);

    platform.answerMessage(Answer::Ok);
    window.MnuSave_Click();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectMessage(platform.messages()[0],
                  QStringLiteral("Could not save the database to ") + Q(target) +
                      QStringLiteral(". The file on disk was not changed."),
                  QStringLiteral("Save"), Buttons::Ok, Icon::Stop);
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_TRUE(Shows(1, 2));
    ExpectPointerNormal();
}

// Open and the list of opened files.

TEST_F(FileCommandsTest, OpenCancelledChangesNothing) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    LoadAtStart(a);
    const size_t pointerChanges = platform.busyPointerChanges.size();
    platform.answerOpenDialog(QString());
    Action("MnuOpen")->trigger();

    const auto opens = platform.callsOf(QStringLiteral("open"));
    ASSERT_EQ(opens.size(), 1u);
    ExpectDatabaseDialog(opens[0], QString());
    EXPECT_TRUE(Shows(1, 2));
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_EQ(platform.busyPointerChanges.size(), pointerChanges);
    EXPECT_TRUE(window.fileListCaptions().isEmpty());
}

TEST_F(FileCommandsTest, OpenLoadsTheFileAndListsIt) {
    const std::string a = WriteDatabase("a.rwk", 1, 4);
    std::vector<std::pair<QString, bool>> titles;
    QObject::connect(&window, &QWidget::windowTitleChanged,
                     [&](const QString& title) { titles.emplace_back(title, platform.busy); });
    Open(a);

    EXPECT_TRUE(Shows(1, 4));
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_EQ(state.table.currentFileName(), a);
    EXPECT_EQ(window.fileListCaptions(), QStringList{Q(a)});
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.front(), std::make_pair(QStringLiteral("Loading. Please wait..."), true));
    EXPECT_EQ(titles.back().first, TitleFor(a));
    ExpectPointerNormal();
    ExpectNoMessages();
}

TEST_F(FileCommandsTest, OpeningAMissingFileChangesNothing) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    Open(a);
    window.MnuNext_Click();
    Open(PathOf("missing.rwk"));

    EXPECT_TRUE(Shows(2, 2));
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_EQ(state.table.currentFileName(), a);
    EXPECT_EQ(window.fileListCaptions(), QStringList{Q(a)});
    ExpectPointerNormal();
    ExpectNoMessages();
}

TEST_F(FileCommandsTest, OpeningAMissingFileAfterAnUntitledStartStaysUntitled) {
    Open(PathOf("missing.rwk"));
    EXPECT_EQ(window.windowTitle(), kUntitled);
    EXPECT_EQ(state.table.currentFileName(), "Untitled");
    EXPECT_TRUE(window.fileListCaptions().isEmpty());
    EXPECT_TRUE(NoticeShown());
    EXPECT_FALSE(Action("MnuFirst")->isEnabled());
    ExpectPointerNormal();
}

struct BadFile {
    const char* label;
    std::string bytes;
};
void PrintTo(const BadFile& file, std::ostream* out) {
    *out << file.label;
}

std::string TooMany() {
    return DatabaseBytes(Trips(1, 251));
}
std::string Truncated() {
    std::string bytes = DatabaseBytes(Trips(1, 3));
    return bytes.substr(0, bytes.size() - 40);
}

class BadFileTest : public FileCommandsTest, public ::testing::WithParamInterface<BadFile> {
  protected:
    std::string WriteBad() {
        const std::string path = PathOf("bad.rwk");
        WriteBytes(path, GetParam().bytes);
        return path;
    }
};

TEST_P(BadFileTest, KeepsThePreviousTableTitleAndName) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    Open(a);
    window.MnuLast_Click();
    Open(WriteBad());

    EXPECT_TRUE(Shows(2, 2));
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_EQ(state.table.currentFileName(), a);
    EXPECT_EQ(window.fileListCaptions(), QStringList{Q(a)});
    EXPECT_TRUE(PanelShown());
    EXPECT_TRUE(Action("MnuEdit")->isEnabled());
    ExpectPointerNormal();
    ExpectNoMessages();
}

TEST_P(BadFileTest, AfterAnUntitledStartLeavesTheWindowEmpty) {
    Open(WriteBad());
    EXPECT_EQ(state.table.recordCount(), 0);
    EXPECT_EQ(window.windowTitle(), kUntitled);
    EXPECT_EQ(state.table.currentFileName(), "Untitled");
    EXPECT_TRUE(window.fileListCaptions().isEmpty());
    EXPECT_TRUE(NoticeShown());
    EXPECT_FALSE(Chrec()->isEnabled());
    ExpectPointerNormal();
    ExpectNoMessages();
}

TEST_P(BadFileTest, AtStartFallsBackToTheNameTheTitleShows) {
    LoadAtStart(WriteBad());
    EXPECT_EQ(state.table.currentFileName(), "Untitled");
    EXPECT_EQ(window.windowTitle(), kUntitled);
    EXPECT_TRUE(NoticeShown());
    ExpectPointerNormal();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(BadFile{"CountNotANumber",
                              "three\r\n" + DatabaseBytes(Trips(1, 3)).substr(5)},
                      BadFile{"Truncated", Truncated()}, BadFile{"MoreThan250", TooMany()},
                      BadFile{"Empty", ""}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return std::string(info.param.label); });

TEST_F(FileCommandsTest, AFailedOpenAfterNewKeepsTheNameOfTheFileBefore) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    Open(a);
    platform.answerMessage(Answer::Yes);
    window.MnuNew_Click();
    const std::string bad = PathOf("bad.rwk");
    WriteBytes(bad, Truncated());
    Open(bad);

    EXPECT_EQ(state.table.currentFileName(), a);
    EXPECT_EQ(window.windowTitle(), kUntitled);
    EXPECT_EQ(state.table.recordCount(), 0);
    EXPECT_TRUE(NoticeShown());
}

TEST_F(FileCommandsTest, ThePathInTwoLetterCasesIsListedOnce) {
    const std::string lower = WriteDatabase("trip.rwk", 1, 2);
    const std::string upper = WriteDatabase("TRIP.RWK", 3, 3);
    Open(lower);
    Open(upper);
    EXPECT_EQ(window.windowTitle(), TitleFor(upper));
    EXPECT_EQ(window.fileListCaptions(), QStringList{Q(lower)});
    EXPECT_EQ(window.findChildren<QAction*>(QStringLiteral("mnufilearray")).size(), 2);
}

TEST_F(FileCommandsTest, ThreeFilesAreListedInOrderAndReopenWithoutAQuestion) {
    const std::string a = WriteDatabase("a.rwk", 1, 2);
    const std::string b = WriteDatabase("b.rwk", 3, 5);
    const std::string c = WriteDatabase("c.rwk", 6, 6);
    Open(a);
    Open(b);
    Open(c);
    EXPECT_EQ(window.fileListCaptions(), (QStringList{Q(a), Q(b), Q(c)}));

    // The File menu ends with the separator and the three entries, numbered 0 to 3.
    const QList<QAction*> fileMenu = window.findChild<QMenu*>(QStringLiteral("MnuFile"))->actions();
    ASSERT_GE(fileMenu.size(), 4);
    const QList<QAction*> tail = fileMenu.mid(fileMenu.size() - 4);
    const QString paths[] = {QString(), Q(a), Q(b), Q(c)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tail[i]->objectName(), QStringLiteral("mnufilearray"));
        EXPECT_EQ(tail[i]->property("index"), QVariant(i));
        EXPECT_TRUE(tail[i]->isVisible());
        if (i > 0) {
            EXPECT_EQ(tail[i]->text(), paths[i]);
        }
    }
    EXPECT_TRUE(tail[0]->isSeparator());

    state.table.slot(1)[Field::venue] = "edited, not saved";
    tail[1]->trigger();
    EXPECT_TRUE(Shows(1, 2));
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_EQ(state.table.currentFileName(), a);
    EXPECT_EQ(window.fileListCaptions(), (QStringList{Q(a), Q(b), Q(c)}));

    window.mnufilearray_Click(3);
    EXPECT_EQ(window.windowTitle(), TitleFor(c));
    EXPECT_EQ(Text("obVen"), QStringLiteral("f0 r6"));
    ExpectNoMessages();
    ExpectPointerNormal();
}

TEST_F(FileCommandsTest, AnAmpersandInAPathIsShownLiterally) {
    const std::string path = WriteDatabase("fish & chips.rwk", 1, 1);
    Open(path);
    EXPECT_EQ(window.fileListCaptions(), QStringList{Q(path)});
    const QList<QAction*> elements = window.findChildren<QAction*>(QStringLiteral("mnufilearray"));
    ASSERT_EQ(elements.size(), 2);
    QAction* entry = elements[0]->property("index").toInt() == 1 ? elements[0] : elements[1];
    EXPECT_EQ(entry->text(), Q(PathOf("fish && chips.rwk")));
}

// Merge.

TEST_F(FileCommandsTest, MergeIntoAnEmptyTableShowsTheMergedTrips) {
    const std::string m = WriteDatabase("m.rwk", 1, 2);
    platform.answerSaveDialog(Q(m));
    Action("MnuMer")->trigger();

    const auto dialogs = platform.callsOf(QStringLiteral("save"));
    ASSERT_EQ(dialogs.size(), 1u);
    ExpectDatabaseDialog(dialogs[0], QStringLiteral("Merge with.."));
    EXPECT_TRUE(Shows(1, 2));
    EXPECT_TRUE(PanelShown());
    EXPECT_TRUE(Action("MnuFind")->isEnabled());
    EXPECT_EQ(window.windowTitle(), kUntitled);
    EXPECT_EQ(state.table.currentFileName(), "Untitled");
    EXPECT_TRUE(platform.busyPointerChanges.empty());
    EXPECT_TRUE(window.fileListCaptions().isEmpty());
}

TEST_F(FileCommandsTest, MergeAppendsAfterTheTripsHeld) {
    const std::string a = WriteDatabase("a.rwk", 1, 3);
    const std::string m = WriteDatabase("m.rwk", 4, 5);
    LoadAtStart(a);
    window.MnuNext_Click();
    platform.answerSaveDialog(Q(m));
    window.MnuMer_Click();

    EXPECT_TRUE(Shows(2, 5));
    EXPECT_EQ(Chrec()->maximum(), 5);
    EXPECT_EQ(Held(), Trips(1, 5));
    EXPECT_EQ(window.windowTitle(), TitleFor(a));
    EXPECT_EQ(state.table.currentFileName(), a);
}

TEST_F(FileCommandsTest, MergeOfNothingUsableIsSilent) {
    Hold(248);
    const std::string three = WriteDatabase("three.rwk", 1, 3);
    const std::string shortFile = PathOf("short.rwk");
    WriteBytes(shortFile, Truncated());

    for (const std::string& path : {PathOf("missing.rwk"), shortFile, three}) {
        platform.answerSaveDialog(Q(path));
        window.MnuMer_Click();
        EXPECT_EQ(state.table.recordCount(), 248) << path;
    }
    platform.answerSaveDialog(QString());
    window.MnuMer_Click();
    EXPECT_TRUE(Shows(1, 248));
    ExpectNoMessages();

    // Exactly up to the limit is fine.
    platform.answerSaveDialog(Q(WriteDatabase("two.rwk", 249, 250)));
    window.MnuMer_Click();
    EXPECT_EQ(state.table.recordCount(), 250);
    EXPECT_EQ(Held(), Trips(1, 250));
}

// Leaving the program.

TEST_F(FileCommandsTest, ExitAnsweredNoKeepsTheWindow) {
    Hold(2);
    window.show();
    platform.answerMessage(Answer::No);
    Action("MnuExit")->trigger();

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectMessage(platform.messages()[0], kExitQuestion, QStringLiteral("Exit"), Buttons::YesNo,
                  Icon::Question);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Shows(1, 2));
}

TEST_F(FileCommandsTest, ExitAnsweredYesEndsTheProgramAskingOnce) {
    window.show();
    platform.answerMessage(Answer::Yes);
    QuitWatcher watcher;
    RunInEventLoop([this] { Action("MnuExit")->trigger(); });

    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(watcher.quits, 1);
}

TEST_F(FileCommandsTest, ClosingTheWindowAsksAndNoKeepsItOpen) {
    window.show();
    platform.answerMessage(Answer::No);
    EXPECT_FALSE(window.close());

    ASSERT_EQ(platform.messages().size(), 1u);
    ExpectMessage(platform.messages()[0], kExitQuestion, QStringLiteral("Exit"), Buttons::YesNo,
                  Icon::Question);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(FileCommandsTest, ClosingTheWindowAnsweredYesEndsTheProgram) {
    window.show();
    platform.answerMessage(Answer::Yes);
    QuitWatcher watcher;
    RunInEventLoop([this] { window.close(); });

    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(watcher.quits, 1);
}

}  // namespace
}  // namespace rodwick::testing
