#include <cstring>

#include <QPushButton>
#include <QRadioButton>

#include "export_dialog.h"
#include "export_files.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

class ExportTest : public MainWindowTest {
  protected:
    ExportTest() {
        Hold(4);
        book.show(3);
    }

    QRadioButton* Option(ExportDialog& window, const char* name) {
        return Child<QRadioButton>(window, name);
    }
    // Each option as its name, "*" when selected and "-" when disabled.
    std::string Options(ExportDialog& window) {
        std::string out;
        for (const char* name : {"all", "current", "RWKPC", "Nort", "RWKST"}) {
            const QRadioButton* option = Option(window, name);
            out += std::string(out.empty() ? "" : " ") + name + (option->isChecked() ? "*" : "") +
                   (option->isEnabled() ? "" : "-");
        }
        return out;
    }
    // Chooses a format and scope, presses Export.. and answers the save dialog with path.
    int Export(ExportDialog& window, const char* format, const char* scope,
               const std::string& path) {
        Option(window, format)->click();
        Option(window, scope)->click();
        platform.answerSaveDialog(QString::fromStdString(path));
        window.findChild<QPushButton*>("okay")->click();
        return window.result();
    }
};

TEST_F(ExportTest, OptionRules) {
    // Steps: a name clicks that option as the user would (a disabled one ignores the click);
    // "all_Click" runs the handler directly, for the case no click can reach.
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "all- current* RWKPC* Nort RWKST"},
        {{"Nort"}, "all current* RWKPC Nort* RWKST"},
        {{"RWKST", "all"}, "all* current RWKPC Nort RWKST*"},
        {{"all_Click"}, "all current* RWKPC- Nort* RWKST"},
        {{"all_Click", "RWKPC"}, "all current* RWKPC- Nort* RWKST"},
        {{"all_Click", "RWKST"}, "all current* RWKPC Nort RWKST*"},
    };
    for (const auto& [steps, expected] : cases) {
        ExportDialog window(book, platform);
        for (const std::string& step : steps) {
            step == "all_Click" ? window.chooseAllRecords() : Option(window, step.c_str())->click();
        }
        EXPECT_EQ(Options(window), expected) << ::testing::PrintToString(steps);
    }
    ExportDialog window(book, platform);
    EXPECT_TRUE(window.findChild<QPushButton*>("cancel")->isDefault());
}

TEST_F(ExportTest, EachFormatWritesItsFileUnderTheNameChosen) {
    // A format, a scope and the bytes of the file written.
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"RWKPC", "current", NativeFileBytes(book.table())},
        {"Nort", "current", TextFileBytes(book.table(), false)},
        {"Nort", "all", TextFileBytes(book.table(), true)},
        {"RWKST", "current", SisterFileBytes(book.table(), false)},
        {"RWKST", "all", SisterFileBytes(book.table(), true)},
    };
    for (const auto& [format, scope, expected] : cases) {
        SCOPED_TRACE(std::string(format) + " " + scope);
        const std::string path = dir.File(std::string(format) + scope);  // no extension
        WriteBytes(path, "an older file of that name");
        ExportDialog window(book, platform);
        EXPECT_EQ(Export(window, format, scope, path), QDialog::Accepted);
        EXPECT_EQ(ReadBytes(path), expected);
    }
    EXPECT_EQ(dir.Names().size(), std::size(cases)) << "no other file, no temporary left";
    EXPECT_EQ(book.table().currentRecord(), 3);
}

TEST_F(ExportTest, CancelWritesNothing) {
    ExportDialog window(book, platform);
    EXPECT_EQ(Export(window, "Nort", "all", ""), QDialog::Accepted);
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(ExportTest, AFailedWriteSaysSoAndLeavesNoPartialFile) {
    const std::string plain = dir.File("plain.txt"), old = dir.File("old.pro");
    WriteBytes(plain, "not a folder");
    WriteBytes(old, "the old export");
    auto sent = std::make_shared<std::size_t>(0);  // the disk fills after 40 bytes
    for (const auto& [path, ops, reason] :
         {std::tuple{plain + "/new.txt", FileOps::System(), ENOTDIR},
          {old, WriteFailsAfter(40, 1 << 20, FileOps::System(), sent), ENOSPC}}) {
        ExportDialog window(book, platform, nullptr, ops);
        platform.answerMessage(Answer::Ok);
        EXPECT_EQ(Export(window, "RWKST", "all", path), QDialog::Accepted);
        EXPECT_EQ(LastMessage(), Describe({"Could not export to " + QString::fromStdString(path) +
                                               ": " + strerror(reason) + ". No file was written.",
                                           "Export", Buttons::Ok, Icon::Stop}));
    }
    EXPECT_EQ(*sent, 40u) << "the write did start";
    EXPECT_EQ(ReadBytes(plain), "not a folder");
    EXPECT_EQ(ReadBytes(old), "the old export");
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"plain.txt", "old.pro"}));
}

}  // namespace
}  // namespace rodwick::testing
