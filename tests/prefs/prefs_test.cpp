// SPDX-License-Identifier: GPL-3.0-or-later
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
        platform_.programDir = QString::fromStdString(dir_.path);
        book_.setSettings(defaultSettings(dir_.path));
    }

    std::string settingsFile() const { return settingsPath(dir_.path); }

    static void click(QDialog& dialog, const char* name) {
        child<QAbstractButton>(dialog, name)->click();
    }

    // Opens the preferences from the menu and lets act work the window before it returns.
    int preferences(const std::function<void(PreferencesDialog&)>& act) {
        int result = -1;
        platform_.answerModal([&](QDialog& dialog) {
            act(dynamic_cast<PreferencesDialog&>(dialog));
            result = dialog.result();
            return result;
        });
        action("MnuPref")->trigger();
        return result;
    }
};

std::string lines(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

TEST_F(PrefsTest, ConfirmingWritesTheNineLinesOfEitherSystemAndReadsBack) {
    hold(2);
    const std::string shownBefore = viewText();
    // A path with a character outside ASCII: the file carries it in Windows-1252.
    const QString autoload = QString::fromStdString(dir_.path) + QStringLiteral("/P\u00eache.RWK");
    const std::string line1 = dir_.path + "/P" + '\xEA' + "che.RWK";
    // The option clicked, the box ticked, the file written and the unit names shown.
    // clang-format off
    const std::tuple<const char*, bool, std::string, QStringList> cases[] = {
        {"mesimp", false, lines({line1, " 0 ", "lb", "oz", "14", "ft", "inch", "16", "Arial"}),
         {"lb", "oz", "lb", "oz", "ft", "inch"}},
        {"mesmet", true, lines({line1, " 1 ", "Kg", "g", "99", "m", "cm", "99", "Arial"}),
         {"Kg", "g", "Kg", "g", "m", "cm"}},
    };
    // clang-format on
    for (const auto& [option, venues, file, units] : cases) {
        SCOPED_TRACE(option);
        platform_.answerOpenDialog(autoload);
        const int result = preferences([&](PreferencesDialog& d) {
            child<QCheckBox>(d, "ven")->setChecked(venues);
            click(d, option);
            click(d, "autosel");
            click(d, "okay");
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(readBytes(settingsFile()), file);
        EXPECT_EQ(readSettingsFile(dir_.path), book_.settings());
        EXPECT_EQ(fromPath(book_.settings().autoloadFile), autoload);
        EXPECT_EQ(unitTexts(window_), units);
        // Only the names change: the numbers held stay as they were.
        EXPECT_EQ(viewText(), shownBefore);
    }
    // Confirming again without a change writes the same file.
    preferences([&](PreferencesDialog& d) { click(d, "okay"); });
    EXPECT_EQ(readBytes(settingsFile()), std::get<2>(cases[1]));
}

TEST_F(PrefsTest, HandEditedFileIsShownAsReadAndRewrittenAsAFixedSet) {
    // Line 2 and the major weight unit in the file, the box and option shown, and lines 2-8
    // written.
    const std::tuple<const char*, const char*, bool, bool, std::string> cases[] = {
        {"  1", "kg", true, false, lines({" 1 ", "lb", "oz", "14", "ft", "inch", "16"})},
        {" 2 ", "Kg", false, true, lines({" 0 ", "Kg", "g", "99", "m", "cm", "99"})},
    };
    for (const auto& [line2, weightMajor, ticked, metric, written] : cases) {
        SCOPED_TRACE(line2);
        writeBytes(settingsFile(), lines({"/trips/2001.RWK", line2, weightMajor, "OZ", "7", "Feet",
                                          "in", "3", "Courier"}));
        book_.setSettings(readSettingsFile(dir_.path));
        preferences([&](PreferencesDialog& d) {
            EXPECT_EQ(child<QCheckBox>(d, "ven")->isChecked(), ticked);
            EXPECT_EQ(child<QRadioButton>(d, "mesmet")->isChecked(), metric);
            EXPECT_EQ(child<QRadioButton>(d, "mesimp")->isChecked(), !metric);
            EXPECT_EQ(d.fileCaption(), QStringLiteral("/trips/2001.RWK"));
            click(d, "okay");
        });
        EXPECT_EQ(readBytes(settingsFile()),
                  lines({"/trips/2001.RWK"}) + written + lines({"Courier"}));
    }
}

TEST_F(PrefsTest, AutoloadDialogAndItsCancel) {
    const QString chosen = QString::fromStdString(dir_.path) + QStringLiteral("/chosen.RWK");
    // Cancelled at once the caption empties; after a choice in the same window, a cancel
    // keeps that choice.
    platform_.answerOpenDialog(QString());
    platform_.answerOpenDialog(chosen);
    platform_.answerOpenDialog(QString());
    platform_.answerOpenDialog(QString());
    preferences([&](PreferencesDialog& d) {
        click(d, "autosel");
        EXPECT_EQ(d.fileCaption(), QString());
        click(d, "autosel");
        click(d, "autosel");
        EXPECT_EQ(d.fileCaption(), chosen);
        click(d, "okay");
    });
    EXPECT_EQ(fromPath(book_.settings().autoloadFile), chosen);
    const std::string dialog = "Autoload File|Rodwick DB (*.RWK)|*.RWK|1|RWK; ";
    EXPECT_EQ(fileDialogs("open"), dialog + dialog + dialog);

    // A new window remembers nothing: cancelled at once, the path is emptied.
    preferences([&](PreferencesDialog& d) {
        EXPECT_EQ(d.fileCaption(), chosen);
        click(d, "autosel");
        click(d, "okay");
    });
    EXPECT_EQ(book_.settings().autoloadFile, "");
    EXPECT_EQ(readBytes(settingsFile()).substr(0, 2), "\r\n");
}

TEST_F(PrefsTest, ReturnConfirmsFromAnyControlWhileCancelAndEscapeChangeNothing) {
    const Settings before = book_.settings();
    const std::string written =
        lines({"/elsewhere.RWK", " 0 ", "lb", "oz", "14", "ft", "inch", "16", "Arial"});
    // The control that holds the focus ("" the window) and the key pressed; "cancel" is clicked.
    const std::pair<const char*, Qt::Key> closes[] = {{"ven", Qt::Key_Return},
                                                      {"autosel", Qt::Key_Return},
                                                      {"", Qt::Key_Escape},
                                                      {"cancel", Qt::Key_unknown}};
    for (const auto& [focus, key] : closes) {
        SCOPED_TRACE(std::string(focus) + " " + std::to_string(key));
        book_.setSettings(before);
        std::remove(settingsFile().c_str());
        platform_.answerOpenDialog(QStringLiteral("/elsewhere.RWK"));
        const int result = preferences([&](PreferencesDialog& d) {
            click(d, "mesimp");
            child<QCheckBox>(d, "ven")->setChecked(false);
            click(d, "autosel");
            if (key == Qt::Key_unknown) return click(d, focus);
            d.show();
            QTest::keyClick(*focus ? child<QWidget>(d, focus) : &d, key);
            EXPECT_FALSE(d.isVisible());
        });
        const bool confirmed = key == Qt::Key_Return;
        EXPECT_EQ(result, confirmed ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(fileExists(settingsFile()) ? readBytes(settingsFile()) : "none",
                  confirmed ? written : "none");
        EXPECT_EQ(unitTexts(window_)[5], confirmed ? "inch" : "cm");
        if (!confirmed) {
            EXPECT_EQ(book_.settings(), before);
        }
    }
}

TEST_F(PrefsTest, FailedWriteIsReportedAndTheChoicesHoldForTheRun) {
    const std::string old = lines({"/old.RWK", " 1 ", "Kg", "g", "99", "m", "cm", "99", "Arial"});
    writeBytes(settingsFile(), old);
    const FileOps diskFull = writeFailsAfter(0);  // the dialog holds on to it
    PreferencesDialog dialog(book_, platform_, &window_, diskFull);
    click(dialog, "mesimp");
    child<QCheckBox>(dialog, "ven")->setChecked(false);
    platform_.answerMessage(platform::Answer::Ok);
    click(dialog, "okay");

    EXPECT_EQ(
        lastMessage(),
        describe({"Could not save the preferences to " + QString::fromStdString(settingsFile()) +
                      ": " + strerror(ENOSPC) + ". They stay in force until the program ends.",
                  "Preferences", platform::Buttons::Ok, platform::Icon::Stop}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    EXPECT_EQ(readBytes(settingsFile()), old);
    EXPECT_EQ(book_.settings().units, UnitNames::imperial());
    EXPECT_FALSE(book_.settings().showVenuesOnEdit);
    EXPECT_EQ(unitTexts(window_), QStringList({"lb", "oz", "lb", "oz", "ft", "inch"}));
}

TEST_F(PrefsTest, FontTakesOnlyTheFamilyAndCancelKeepsIt) {
    window_.applyDisplayFont(QStringLiteral("Arial"));
    const int size = find<QLabel>("obVen")->font().pointSize();
    // A name the settings file cannot carry: the dialog still offers it.
    const QString name = QStringLiteral("\u6587\u6cc9\u9a7f");
    platform_.answerFontDialog(name);
    action("MnuFont")->trigger();
    platform_.answerFontDialog(QString());
    action("MnuFont")->trigger();

    // The dialog offers the name in force, then keeps the name last chosen.
    std::vector<QString> offered;
    for (const PlatformCall& call : platform_.callsOf("font")) offered.push_back(call.text);
    EXPECT_EQ(offered, std::vector<QString>({QStringLiteral("Arial"), name}));
    EXPECT_EQ(platform_.printerFont, name);
    for (const char* label : kValueLabelNames) {
        const QFont font = find<QLabel>(label)->font();
        EXPECT_EQ(std::tuple(font.family(), font.pointSize(), font.bold()),
                  std::tuple(name, size, false))
            << label;
    }
    EXPECT_EQ(book_.settings().displayFont, toFileText(name));
    EXPECT_NE(find<QLabel>("Label1")->font().family(), name) << "captions keep their own font";
    // The name reaches the settings file when the preferences are next confirmed.
    preferences([&](PreferencesDialog& d) { click(d, "okay"); });
    EXPECT_EQ(readSettingsFile(dir_.path).displayFont, toFileText(name));
}

TEST_F(PrefsTest, HelpPointsToTheManualAndStartsTheFirstWordProcessorThatStarts) {
    const QStringList programs = wordProcessors();
    ASSERT_EQ(programs.size(), 2);
    const std::string intro =
        describe({"Due to Windows problems, you must load this file manually. Please load up "
                  "ANGLEBOX.DOC - Press OK to run your Word Processor. Alternatively select "
                  "Anglebox Manual from the Harrowby Software program group",
                  "Help", platform::Buttons::Ok, platform::Icon::None});
    const std::string noManual = describe(
        {"Sorry - Cannot find ANGLEBOX.doc!", "Help", platform::Buttons::Ok, platform::Icon::Stop});
    const std::string oops = describe(
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
        QFile::remove(manualPath(QString::fromStdString(dir_.path)));
        if (manual)
            writeBytes(toPath(manualPath(QString::fromStdString(dir_.path))), "{\\rtf1 manual}");
        platform_.clearCalls();
        platform_.startedPrograms.clear();
        platform_.missingPrograms = missing;
        for (std::size_t i = 0; i < messages.size(); ++i)
            platform_.answerMessage(platform::Answer::Ok);

        action("MnuHelp")->trigger();

        std::vector<std::string> shown;
        for (const PlatformCall& call : platform_.messages()) shown.push_back(describe(call));
        EXPECT_EQ(shown, messages);
        // Started without arguments: the manual is not handed to the program.
        EXPECT_EQ(platform_.startedPrograms, started);
    }
}

}  // namespace
}  // namespace rodwick::testing
