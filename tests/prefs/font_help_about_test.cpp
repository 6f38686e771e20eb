#include <QFile>
#include <QLabel>

#include "help.h"
#include "prefs_fixture.h"

namespace rodwick::testing {
namespace {

TEST_F(PrefsTest, FontTakesOnlyTheFamilyAndCancelKeepsIt) {
    window.ApplyDisplayFont(QStringLiteral("Arial"));
    const int size = Find<QLabel>("obVen")->font().pointSize();
    // The second name is one the settings file cannot carry: the dialog still offers it.
    const QString names[] = {QStringLiteral("Courier New"), QStringLiteral("\u6587\u6cc9\u9a7f")};
    QString previous = QStringLiteral("Arial");
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        platform.clearCalls();
        platform.answerFontDialog(name);
        Action("MnuFont")->trigger();
        platform.answerFontDialog(QString());
        Action("MnuFont")->trigger();

        // The dialog offers the name in force, then keeps the name last chosen.
        std::vector<QString> offered;
        for (const PlatformCall& call : platform.callsOf("font")) offered.push_back(call.text);
        EXPECT_EQ(offered, std::vector<QString>({previous, name}));
        EXPECT_EQ(platform.printerFont, name);
        for (const char* label : kValueLabelNames) {
            const QFont font = Find<QLabel>(label)->font();
            EXPECT_EQ(std::tuple(font.family(), font.pointSize(), font.bold()),
                      std::tuple(name, size, false))
                << label;
        }
        EXPECT_EQ(state.settings.displayFont, ToFileText(name));
        // Other labels keep their own font.
        EXPECT_NE(Find<QLabel>("Label1")->font().family(), name);
        previous = name;

        // The name reaches the settings file when the preferences are next confirmed.
        Preferences([&](Form3& d) { Click(d, "okay"); });
        EXPECT_EQ(ReadSettingsFile(dir.path).displayFont, ToFileText(name));
    }
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
    struct Case {
        const char* what;
        bool manual;
        QStringList missing;
        std::vector<std::string> messages;
        std::vector<QStringList> started;
    };
    const Case cases[] = {
        {"no manual", false, {}, {intro, noManual}, {}},
        {"first starts", true, {}, {intro}, {{programs[0]}}},
        {"second starts", true, {programs[0]}, {intro}, {{programs[0]}, {programs[1]}}},
        {"neither starts", true, programs, {intro, oops}, {{programs[0]}, {programs[1]}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(ManualPath(QString::fromStdString(dir.path)));
        if (c.manual)
            WriteBytes(ToPath(ManualPath(QString::fromStdString(dir.path))), "{\\rtf1 manual}");
        platform.clearCalls();
        platform.startedPrograms.clear();
        platform.missingPrograms = c.missing;
        for (std::size_t i = 0; i < c.messages.size(); ++i)
            platform.answerMessage(platform::Answer::Ok);

        Action("MnuHelp")->trigger();

        std::vector<std::string> shown;
        for (const PlatformCall& call : platform.messages()) shown.push_back(Describe(call));
        EXPECT_EQ(shown, c.messages);
        // Started without arguments: the manual is not handed to the program.
        EXPECT_EQ(platform.startedPrograms, c.started);
    }
}

TEST_F(PrefsTest, AboutClosesOnEnterAndEscape) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        bool closed = false;
        platform.answerModal([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("About"));
            EXPECT_TRUE(In<QLabel>(d, "tabout")->text().contains(QStringLiteral("ANGLEBOX.doc")));
            Press(d, key);
            closed = !d.isVisible();
            return d.result();
        });
        Action("MnuAbo")->trigger();
        EXPECT_TRUE(closed);
    }
}

TEST(Manual, IsAnRtfDocumentInPlainAscii) {
    const std::string manual = ReadBytes(RODWICK_MANUAL_FILE);
    ASSERT_EQ(manual.rfind("{\\rtf1", 0), 0u);
    // Every group closes, none before it opens, and the first group is the whole document.
    int depth = 0;
    std::size_t documentEnd = std::string::npos;
    for (std::size_t i = 0; i < manual.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(manual[i]);
        ASSERT_LT(c, 0x80) << "at byte " << i;
        if (c == '\\') {
            ++i;  // an escaped brace or backslash is text
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            ASSERT_GT(depth, 0) << "at byte " << i;
            if (--depth == 0 && documentEnd == std::string::npos) documentEnd = i;
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(documentEnd, manual.find_last_of('}'));
}

}  // namespace
}  // namespace rodwick::testing
