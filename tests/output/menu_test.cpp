#include <QDialog>

#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

TEST_F(Form1Test, OutputCommandsOpenTheirWindowsModally) {
    Hold(3);
    for (const auto& [entry, window] :
         {std::pair{"MnuExp", "export"}, {"MnuPrint", "diaprint"}, {"MnuCopy", "Form7"}}) {
        QString shown;
        platform.answerModal([&shown](QDialog& dialog) {
            shown = dialog.objectName();
            return QDialog::Rejected;
        });
        Action(entry)->trigger();
        EXPECT_EQ(shown, window) << entry;
    }
    EXPECT_TRUE(platform.printedLines.empty());

    // Export needs no records: it stays enabled while the others follow the table.
    Hold(0);
    EXPECT_TRUE(Action("MnuExp")->isEnabled());
    EXPECT_FALSE(Action("MnuPrint")->isEnabled());
    EXPECT_FALSE(Action("MnuCopy")->isEnabled());
}

}  // namespace
}  // namespace rodwick::testing
