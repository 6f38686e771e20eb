#include <errno.h>

#include <QCheckBox>
#include <QRadioButton>

#include "prefs_fixture.h"

namespace rodwick::testing {
namespace {

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
    struct Case {
        const char* option;
        bool venues;
        std::string file;
        QStringList units;
    };
    // clang-format off
    const Case cases[] = {
        {"mesimp", false, Lines({line1, " 0 ", "lb", "oz", "14", "ft", "inch", "16", "Arial"}),
         {"lb", "oz", "lb", "oz", "ft", "inch"}},
        {"mesmet", true, Lines({line1, " 1 ", "Kg", "g", "99", "m", "cm", "99", "Arial"}),
         {"Kg", "g", "Kg", "g", "m", "cm"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        platform.answerOpenDialog(autoload);
        const int result = Preferences([&](Form3& d) {
            In<QCheckBox>(d, "ven")->setChecked(c.venues);
            Click(d, c.option);
            Click(d, "autosel");
            Click(d, "okay");
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(ReadBytes(SettingsFile()), c.file);
        EXPECT_EQ(ReadSettingsFile(dir.path), state.settings);
        EXPECT_EQ(FromPath(state.settings.autoloadFile), autoload);
        EXPECT_EQ(UnitTexts(window), c.units);
        // Only the names change: the numbers held stay as they were.
        EXPECT_EQ(Shown(), shownBefore);
    }
    // Confirming again without a change writes the same file.
    Preferences([&](Form3& d) { Click(d, "okay"); });
    EXPECT_EQ(ReadBytes(SettingsFile()), cases[1].file);
}

TEST_F(PrefsTest, HandEditedFileIsShownAsReadAndRewrittenAsAFixedSet) {
    struct Case {
        const char* line2;
        const char* weightMajor;
        bool ticked;
        bool metric;
        std::string written;
    };
    const Case cases[] = {
        {"  1", "kg", true, false, Lines({" 1 ", "lb", "oz", "14", "ft", "inch", "16"})},
        {" 2 ", "Kg", false, true, Lines({" 0 ", "Kg", "g", "99", "m", "cm", "99"})},
        {"0", "lb", false, false, Lines({" 0 ", "lb", "oz", "14", "ft", "inch", "16"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line2);
        WriteBytes(SettingsFile(), Lines({"/trips/2001.RWK", c.line2, c.weightMajor, "OZ", "7",
                                          "Feet", "in", "3", "Courier"}));
        state.settings = ReadSettingsFile(dir.path);
        Preferences([&](Form3& d) {
            EXPECT_EQ(In<QCheckBox>(d, "ven")->isChecked(), c.ticked);
            EXPECT_EQ(In<QRadioButton>(d, "mesmet")->isChecked(), c.metric);
            EXPECT_EQ(In<QRadioButton>(d, "mesimp")->isChecked(), !c.metric);
            EXPECT_EQ(d.fileCaption(), QStringLiteral("/trips/2001.RWK"));
            Click(d, "okay");
        });
        EXPECT_EQ(ReadBytes(SettingsFile()),
                  Lines({"/trips/2001.RWK"}) + c.written + Lines({"Courier"}));
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
    Preferences([&](Form3& d) {
        Click(d, "autosel");
        EXPECT_EQ(d.fileCaption(), QString());
        Click(d, "autosel");
        Click(d, "autosel");
        EXPECT_EQ(d.fileCaption(), chosen);
        Click(d, "okay");
    });
    EXPECT_EQ(FromPath(state.settings.autoloadFile), chosen);
    const std::string dialog = "Autoload File|Rodwick DB (*.RWK)|*.RWK|1|RWK; ";
    EXPECT_EQ(FileDialogs("open"), dialog + dialog + dialog);

    // A new window remembers nothing: cancelled at once, the path is emptied.
    Preferences([&](Form3& d) {
        EXPECT_EQ(d.fileCaption(), chosen);
        Click(d, "autosel");
        Click(d, "okay");
    });
    EXPECT_EQ(state.settings.autoloadFile, "");
    EXPECT_EQ(ReadBytes(SettingsFile()).substr(0, 2), "\r\n");
}

TEST_F(PrefsTest, CancelAndEscapeChangeNothing) {
    const Settings before = state.settings;
    for (bool byEscape : {false, true}) {
        platform.answerOpenDialog(QStringLiteral("/elsewhere.RWK"));
        const int result = Preferences([&](Form3& d) {
            Click(d, "mesimp");
            In<QCheckBox>(d, "ven")->setChecked(false);
            Click(d, "autosel");
            if (byEscape) {
                Press(d, Qt::Key_Escape);
            } else {
                Click(d, "cancel");
            }
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(state.settings, before);
        EXPECT_EQ(UnitTexts(window), QStringList({"Kg", "g", "Kg", "g", "m", "cm"}));
        EXPECT_FALSE(FileExists(SettingsFile()));
    }
}

TEST_F(PrefsTest, FailedWriteIsReportedAndTheChoicesHoldForTheRun) {
    const std::string old = Lines({"/old.RWK", " 1 ", "Kg", "g", "99", "m", "cm", "99", "Arial"});
    WriteBytes(SettingsFile(), old);
    const FileOps diskFull = WriteFailsAfter(0);  // the dialog holds on to it
    Form3 dialog(state, platform, window, &window, diskFull);
    Click(dialog, "mesimp");
    In<QCheckBox>(dialog, "ven")->setChecked(false);
    platform.answerMessage(platform::Answer::Ok);
    Click(dialog, "okay");

    EXPECT_EQ(LastMessage(),
              Describe({"The preferences could not be saved to " +
                            QString::fromStdString(SettingsFile()) + ".\n" + strerror(ENOSPC) +
                            "\nThey stay in force until the program ends.",
                        "Preferences", platform::Buttons::Ok, platform::Icon::Stop}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    EXPECT_EQ(ReadBytes(SettingsFile()), old);
    EXPECT_EQ(state.settings.units, UnitNames::Imperial());
    EXPECT_EQ(state.settings.showVenuesOnEdit, 0);
    EXPECT_EQ(UnitTexts(window), QStringList({"lb", "oz", "lb", "oz", "ft", "inch"}));
}

}  // namespace
}  // namespace rodwick::testing
