// SPDX-License-Identifier: GPL-3.0-or-later
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
        hold(4);
        book_.show(3);
    }

    QRadioButton* optionNamed(ExportDialog& window, const char* name) {
        return child<QRadioButton>(window, name);
    }
    // Each option as its name, "*" when selected and "-" when disabled.
    std::string options(ExportDialog& window) {
        std::string out;
        for (const char* name : {"all", "current", "RWKPC", "Nort", "RWKST"}) {
            const QRadioButton* option = optionNamed(window, name);
            out += std::string(out.empty() ? "" : " ") + name + (option->isChecked() ? "*" : "") +
                   (option->isEnabled() ? "" : "-");
        }
        return out;
    }
    // Chooses a format and scope, presses Export.. and answers the save dialog with path.
    int exportAs(ExportDialog& window, const char* format, const char* scope,
                 const std::string& path) {
        optionNamed(window, format)->click();
        optionNamed(window, scope)->click();
        platform_.answerSaveDialog(QString::fromStdString(path));
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
        ExportDialog window(book_, platform_);
        for (const std::string& step : steps) {
            step == "all_Click" ? window.chooseAllRecords()
                                : optionNamed(window, step.c_str())->click();
        }
        EXPECT_EQ(options(window), expected) << ::testing::PrintToString(steps);
    }
    ExportDialog window(book_, platform_);
    EXPECT_TRUE(window.findChild<QPushButton*>("cancel")->isDefault());
}

TEST_F(ExportTest, EachFormatWritesItsFileUnderTheNameChosen) {
    // A format, a scope and the bytes of the file written.
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"RWKPC", "current", nativeFileBytes(book_.table())},
        {"Nort", "current", textFileBytes(book_.table(), false)},
        {"Nort", "all", textFileBytes(book_.table(), true)},
        {"RWKST", "current", sisterFileBytes(book_.table(), false)},
        {"RWKST", "all", sisterFileBytes(book_.table(), true)},
    };
    for (const auto& [format, scope, expected] : cases) {
        SCOPED_TRACE(std::string(format) + " " + scope);
        const std::string path = dir_.file(std::string(format) + scope);  // no extension
        writeBytes(path, "an older file of that name");
        ExportDialog window(book_, platform_);
        EXPECT_EQ(exportAs(window, format, scope, path), QDialog::Accepted);
        EXPECT_EQ(readBytes(path), expected);
    }
    EXPECT_EQ(dir_.names().size(), std::size(cases)) << "no other file, no temporary left";
    EXPECT_EQ(book_.table().currentRecord(), 3);
}

TEST_F(ExportTest, CancelWritesNothing) {
    ExportDialog window(book_, platform_);
    EXPECT_EQ(exportAs(window, "Nort", "all", ""), QDialog::Accepted);
    EXPECT_TRUE(dir_.names().empty());
}

TEST_F(ExportTest, AFailedWriteSaysSoAndLeavesNoPartialFile) {
    const std::string plain = dir_.file("plain.txt"), old = dir_.file("old.pro");
    writeBytes(plain, "not a folder");
    writeBytes(old, "the old export");
    auto sent = std::make_shared<std::size_t>(0);  // the disk fills after 40 bytes
    for (const auto& [path, ops, reason] :
         {std::tuple{plain + "/new.txt", FileOps::system(), ENOTDIR},
          {old, writeFailsAfter(40, 1 << 20, FileOps::system(), sent), ENOSPC}}) {
        ExportDialog window(book_, platform_, nullptr, ops);
        platform_.answerMessage(Answer::Ok);
        EXPECT_EQ(exportAs(window, "RWKST", "all", path), QDialog::Accepted);
        EXPECT_EQ(lastMessage(), describe({"Could not export to " + QString::fromStdString(path) +
                                               ": " + strerror(reason) + ". No file was written.",
                                           "Export", Buttons::Ok, Icon::Stop}));
    }
    EXPECT_EQ(*sent, 40u) << "the write did start";
    EXPECT_EQ(readBytes(plain), "not a folder");
    EXPECT_EQ(readBytes(old), "the old export");
    EXPECT_EQ(dir_.names(), (std::set<std::string>{"plain.txt", "old.pro"}));
}

}  // namespace
}  // namespace rodwick::testing
