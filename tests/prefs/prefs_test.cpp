#include <errno.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <functional>
#include <string>

#include "help.h"
#include "preferences_dialog.h"
#include "rodwick_test/main_window_fixture.h"
#include "settings.h"
#include "text.h"

namespace rodwick::testing {
namespace {

// The main window with its program directory in a fresh folder, where the settings file goes.
class PrefsTest : public MainWindowTest {
  protected:
    PrefsTest() {
        platform.programDir = QString::fromStdString(dir.path);
        book.setSettings(DefaultSettings(dir.path));
    }

    std::string SettingsFile() const { return SettingsPath(dir.path); }

    static void Click(QDialog& dialog, const char* name) {
        Child<QAbstractButton>(dialog, name)->click();
    }

    // Opens the preferences from the menu and lets act work the window before it returns.
    int Preferences(const std::function<void(PreferencesDialog&)>& act) {
        int result = -1;
        platform.answerModal([&](QDialog& dialog) {
            act(dynamic_cast<PreferencesDialog&>(dialog));
            result = dialog.result();
            return result;
        });
        Action("MnuPref")->trigger();
        return result;
    }
};

std::string Lines(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

TEST_F(PrefsTest, ConfirmingWritesTheNineLinesOfEitherSystemAndReadsBack) {
    Hold(2);
    const std::string shownBefore = Shown();
    // A path with a character outside ASCII: the file carries it in Windows-1252.
    const QString autoload = QString::fromStdString(dir.path) + QStringLiteral("/P\u00eache.RWK");
    const std::string line1 = dir.path + "/P" + '\xEA' + "che.RWK";
    // The option clicked, the box ticked, the file written and the unit names shown.
    // clang-format off
    const std::tuple<const char*, bool, std::string, QStringList> cases[] = {
        {"mesimp", false, Lines({line1, " 0 ", "lb", "oz", "14", "ft", "inch", "16", "Arial"}),
         {"lb", "oz", "lb", "oz", "ft", "inch"}},
        {"mesmet", true, Lines({line1, " 1 ", "Kg", "g", "99", "m", "cm", "99", "Arial"}),
         {"Kg", "g", "Kg", "g", "m", "cm"}},
    };
    // clang-format on
    for (const auto& [option, venues, file, units] : cases) {
        SCOPED_TRACE(option);
        platform.answerOpenDialog(autoload);
        const int result = Preferences([&](PreferencesDialog& d) {
            Child<QCheckBox>(d, "ven")->setChecked(venues);
            Click(d, option);
            Click(d, "autosel");
            Click(d, "okay");
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(ReadBytes(SettingsFile()), file);
        EXPECT_EQ(ReadSettingsFile(dir.path), book.settings());
        EXPECT_EQ(FromPath(book.settings().autoloadFile), autoload);
        EXPECT_EQ(UnitTexts(window), units);
        // Only the names change: the numbers held stay as they were.
        EXPECT_EQ(Shown(), shownBefore);
    }
    // Confirming again without a change writes the same file.
    Preferences([&](PreferencesDialog& d) { Click(d, "okay"); });
    EXPECT_EQ(ReadBytes(SettingsFile()), std::get<2>(cases[1]));
}

TEST_F(PrefsTest, HandEditedFileIsShownAsReadAndRewrittenAsAFixedSet) {
    // Line 2 and the major weight unit in the file, the box and option shown, and lines 2-8
    // written.
    const std::tuple<const char*, const char*, bool, bool, std::string> cases[] = {
        {"  1", "kg", true, false, Lines({" 1 ", "lb", "oz", "14", "ft", "inch", "16"})},
        {" 2 ", "Kg", false, true, Lines({" 0 ", "Kg", "g", "99", "m", "cm", "99"})},
    };
    for (const auto& [line2, weightMajor, ticked, metric, written] : cases) {
        SCOPED_TRACE(line2);
        WriteBytes(SettingsFile(), Lines({"/trips/2001.RWK", line2, weightMajor, "OZ", "7", "Feet",
                                          "in", "3", "Courier"}));
        book.setSettings(ReadSettingsFile(dir.path));
        Preferences([&](PreferencesDialog& d) {
            EXPECT_EQ(Child<QCheckBox>(d, "ven")->isChecked(), ticked);
            EXPECT_EQ(Child<QRadioButton>(d, "mesmet")->isChecked(), metric);
            EXPECT_EQ(Child<QRadioButton>(d, "mesimp")->isChecked(), !metric);
            EXPECT_EQ(d.fileCaption(), QStringLiteral("/trips/2001.RWK"));
            Click(d, "okay");
        });
        EXPECT_EQ(ReadBytes(SettingsFile()),
                  Lines({"/trips/2001.RWK"}) + written + Lines({"Courier"}));
    }
}

TEST_F(PrefsTest, AutoloadDialogAndItsCancel) {
    const QString chosen = QString::fromStdString(dir.path) + QStringLiteral("/chosen.RWK");
    // Cancelled at once the caption empties; after a choice in the same window, a cancel
    // keeps that choice.
    platform.answerOpenDialog(QString());
    platform.answerOpenDialog(chosen);
    platform.answerOpenDialog(QString());
    platform.answerOpenDialog(QString());
    Preferences([&](PreferencesDialog& d) {
        Click(d, "autosel");
        EXPECT_EQ(d.fileCaption(), QString());
        Click(d, "autosel");
        Click(d, "autosel");
        EXPECT_EQ(d.fileCaption(), chosen);
        Click(d, "okay");
    });
    EXPECT_EQ(FromPath(book.settings().autoloadFile), chosen);
    const std::string dialog = "Autoload File|Rodwick DB (*.RWK)|*.RWK|1|RWK; ";
    EXPECT_EQ(FileDialogs("open"), dialog + dialog + dialog);

    // A new window remembers nothing: cancelled at once, the path is emptied.
    Preferences([&](PreferencesDialog& d) {
        EXPECT_EQ(d.fileCaption(), chosen);
        Click(d, "autosel");
        Click(d, "okay");
    });
    EXPECT_EQ(book.settings().autoloadFile, "");
    EXPECT_EQ(ReadBytes(SettingsFile()).substr(0, 2), "\r\n");
}

TEST_F(PrefsTest, ReturnConfirmsFromAnyControlWhileCancelAndEscapeChangeNothing) {
    const Settings before = book.settings();
    const std::string written =
        Lines({"/elsewhere.RWK", " 0 ", "lb", "oz", "14", "ft", "inch", "16", "Arial"});
    // The control that holds the focus ("" the window) and the key pressed; "cancel" is clicked.
    const std::pair<const char*, Qt::Key> closes[] = {{"ven", Qt::Key_Return},
                                                      {"autosel", Qt::Key_Return},
                                                      {"", Qt::Key_Escape},
                                                      {"cancel", Qt::Key_unknown}};
    for (const auto& [focus, key] : closes) {
        SCOPED_TRACE(std::string(focus) + " " + std::to_string(key));
        book.setSettings(before);
        std::remove(SettingsFile().c_str());
        platform.answerOpenDialog(QStringLiteral("/elsewhere.RWK"));
        const int result = Preferences([&](PreferencesDialog& d) {
            Click(d, "mesimp");
            Child<QCheckBox>(d, "ven")->setChecked(false);
            Click(d, "autosel");
            if (key == Qt::Key_unknown) return Click(d, focus);
            d.show();
            QTest::keyClick(*focus ? Child<QWidget>(d, focus) : &d, key);
            EXPECT_FALSE(d.isVisible());
        });
        const bool confirmed = key == Qt::Key_Return;
        EXPECT_EQ(result, confirmed ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(FileExists(SettingsFile()) ? ReadBytes(SettingsFile()) : "none",
                  confirmed ? written : "none");
        EXPECT_EQ(UnitTexts(window)[5], confirmed ? "inch" : "cm");
        if (!confirmed) {
            EXPECT_EQ(book.settings(), before);
        }
    }
}

TEST_F(PrefsTest, FailedWriteIsReportedAndTheChoicesHoldForTheRun) {
    const std::string old = Lines({"/old.RWK", " 1 ", "Kg", "g", "99", "m", "cm", "99", "Arial"});
    WriteBytes(SettingsFile(), old);
    const FileOps diskFull = WriteFailsAfter(0);  // the dialog holds on to it
    PreferencesDialog dialog(book, platform, &window, diskFull);
    Click(dialog, "mesimp");
    Child<QCheckBox>(dialog, "ven")->setChecked(false);
    platform.answerMessage(platform::Answer::Ok);
    Click(dialog, "okay");

    EXPECT_EQ(
        LastMessage(),
        Describe({"Could not save the preferences to " + QString::fromStdString(SettingsFile()) +
                      ": " + strerror(ENOSPC) + ". They stay in force until the program ends.",
                  "Preferences", platform::Buttons::Ok, platform::Icon::Stop}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    EXPECT_EQ(ReadBytes(SettingsFile()), old);
    EXPECT_EQ(book.settings().units, UnitNames::Imperial());
    EXPECT_FALSE(book.settings().showVenuesOnEdit);
    EXPECT_EQ(UnitTexts(window), QStringList({"lb", "oz", "lb", "oz", "ft", "inch"}));
}

TEST_F(PrefsTest, FontTakesOnlyTheFamilyAndCancelKeepsIt) {
    window.ApplyDisplayFont(QStringLiteral("Arial"));
    const int size = Find<QLabel>("obVen")->font().pointSize();
    // A name the settings file cannot carry: the dialog still offers it.
    const QString name = QStringLiteral("\u6587\u6cc9\u9a7f");
    platform.answerFontDialog(name);
    Action("MnuFont")->trigger();
    platform.answerFontDialog(QString());
    Action("MnuFont")->trigger();

    // The dialog offers the name in force, then keeps the name last chosen.
    std::vector<QString> offered;
    for (const PlatformCall& call : platform.callsOf("font")) offered.push_back(call.text);
    EXPECT_EQ(offered, std::vector<QString>({QStringLiteral("Arial"), name}));
    EXPECT_EQ(platform.printerFont, name);
    for (const char* label : kValueLabelNames) {
        const QFont font = Find<QLabel>(label)->font();
        EXPECT_EQ(std::tuple(font.family(), font.pointSize(), font.bold()),
                  std::tuple(name, size, false))
            << label;
    }
    EXPECT_EQ(book.settings().displayFont, ToFileText(name));
    EXPECT_NE(Find<QLabel>("Label1")->font().family(), name) << "captions keep their own font";
    // The name reaches the settings file when the preferences are next confirmed.
    Preferences([&](PreferencesDialog& d) { Click(d, "okay"); });
    EXPECT_EQ(ReadSettingsFile(dir.path).displayFont, ToFileText(name));
}

TEST_F(PrefsTest, HelpPointsToTheManualAndStartsTheFirstWordProcessorThatStarts) {
    const QStringList programs = WordProcessors();
    ASSERT_EQ(programs.size(), 2);
    const std::string intro =
        Describe({"Due to Windows problems, you must load this file manually. Please load up "
                  "ANGLEBOX.DOC - Press OK to run your Word Processor. Alternatively select "
                  "Anglebox Manual from the Harrowby Software program group",
                  "Help", platform::Buttons::Ok, platform::Icon::None});
    const std::string noManual = Describe(
        {"Sorry - Cannot find ANGLEBOX.doc!", "Help", platform::Buttons::Ok, platform::Icon::Stop});
    const std::string oops = Describe(
        {"Oops. Somethings gone wrong. Please check that you have WRITE.EXE and ANGLEBOX.WRI",
         "Help", platform::Buttons::Ok, platform::Icon::Stop});
    // What is the case, whether the manual is there, the programs that do not start, the messages
    // shown and the programs started.
    const std::tuple<const char*, bool, QStringList, std::vector<std::string>,
                     std::vector<QStringList>>
        cases[] = {
            {"no manual", false, {}, {intro, noManual}, {}},
            {"first starts", true, {}, {intro}, {{programs[0]}}},
            {"second starts", true, {programs[0]}, {intro}, {{programs[0]}, {programs[1]}}},
            {"neither starts", true, programs, {intro, oops}, {{programs[0]}, {programs[1]}}},
        };
    for (const auto& [what, manual, missing, messages, started] : cases) {
        SCOPED_TRACE(what);
        QFile::remove(ManualPath(QString::fromStdString(dir.path)));
        if (manual)
            WriteBytes(ToPath(ManualPath(QString::fromStdString(dir.path))), "{\\rtf1 manual}");
        platform.clearCalls();
        platform.startedPrograms.clear();
        platform.missingPrograms = missing;
        for (std::size_t i = 0; i < messages.size(); ++i)
            platform.answerMessage(platform::Answer::Ok);

        Action("MnuHelp")->trigger();

        std::vector<std::string> shown;
        for (const PlatformCall& call : platform.messages()) shown.push_back(Describe(call));
        EXPECT_EQ(shown, messages);
        // Started without arguments: the manual is not handed to the program.
        EXPECT_EQ(platform.startedPrograms, started);
    }
}

}  // namespace
}  // namespace rodwick::testing
