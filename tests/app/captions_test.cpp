#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <functional>
#include <map>
#include <memory>

#include "captions.h"
#include "editing_area.h"
#include "quick_edit_dialog.h"
#include "rodwick_test/main_window_fixture.h"
#include "splash_screen.h"
#include "version.h"

namespace rodwick::testing {
namespace {

// Every fixed caption and button text of every window, as the design of the windows gives
// them: window, object name ("" for the window's own title) and text, trailing blanks and all.
struct Caption {
    const char* window;
    const char* name;
    const char* text;
};

// clang-format off
const Caption kCaptions[] = {
    // The menus are pinned with their shortcuts by the main window's own golden table.
    {"main", "Label1", "Venue:"}, {"main", "Label5", "Type of water:"},
    {"main", "Label6", "Day Ticket \u00a3"}, {"main", "Label7", "Club:"},
    {"main", "Label8", "Weight:"}, {"main", "Label9", "Water Conditions:"},
    {"main", "Label10", "Weather:"}, {"main", "Label11", "Temperature:"},
    {"main", "Label12", "Method:"}, {"main", "Label13", "Depth:"},
    {"main", "Label15", "Species:"}, {"main", "Label14", "Best Bait,etc:"},
    {"main", "Label18", "Restrictions:"}, {"main", "Label19", "Remarks:"},
    {"main", "Label16", "Best Fish:"}, {"main", "Label17", "Weight:"},
    {"main", "Label21", "Start Time:"}, {"main", "Label22", "Finish:"},
    {"main", "Label20", "Date:"}, {"main", "Label24", "'c"},
    {"main", "Label25", "No records loaded. Please open a file or add a record."},
    {"main", "Label2", "Rodwick Database"}, {"main", "Label4", "v." RODWICK_VERSION},
    {"main", "Label3", "Harrowby Software"},

    {"editor", "", "Adding A Record"},
    {"editor", "Label1", "Venue:"}, {"editor", "Label2", "Type Of Water:"},
    {"editor", "Label3", "Day Ticket:"}, {"editor", "Label4", "Club:"},
    {"editor", "Label5", "Total Weight:"}, {"editor", "Label8", "Water Condition:"},
    {"editor", "Label9", "Weather:"}, {"editor", "Label10", "Temperature:"},
    {"editor", "Label11", "'C"}, {"editor", "Label12", "Method:"},
    {"editor", "Label13", "Depth:"}, {"editor", "Label16", "Best Bait,etc:"},
    {"editor", "Label17", "Species Caught:"}, {"editor", "Label18", "Best Fish:"},
    {"editor", "Label19", "Weight:"}, {"editor", "Label22", "Restrictions:"},
    {"editor", "Label23", "Remarks:"}, {"editor", "Label24", "Date:"},
    {"editor", "Label25", "Start Time:"}, {"editor", "Label26", "Finish Time:"},
    {"editor", "cless", "-"}, {"editor", "cmore", "+"}, {"editor", "less", "-"},
    {"editor", "more", " +"}, {"editor", "select", "Select"}, {"editor", "today", "Today"},
    {"editor", "okay", "Okay"}, {"editor", "cancel", "Cancel"},

    {"quick edit", "", "Quickedit"}, {"quick edit", "putdate", "Today"},
    {"quick edit", "more", "+"}, {"quick edit", "less", "-"}, {"quick edit", "LabCel", "'c"},
    {"quick edit", "okay", "Okay"}, {"quick edit", "cancel", "Cancel"},

    {"species", "", "Fish Selection"}, {"species", "okay", "Okay"},
    {"species", "cancel", "Cancel"},

    {"find", "", "Search"},
    {"find", "Label1", "Please type in the word for me to search for. I will search all fields "
                       "in all records for the word you specify. Upper and lower case are no "
                       "problem for me!"},
    {"find", "Label2", "Word:"}, {"find", "okay", "Okay"}, {"find", "cancel", "Cancel"},

    {"goto", "", "Goto"}, {"goto", "Label1", "Records:"}, {"goto", "butgo", "Goto"},
    {"goto", "butcan", "Cancel"},

    {"export", "", "Export"}, {"export", "Frame2", "Records"}, {"export", "all", "All "},
    {"export", "current", "Current"}, {"export", "Frame1", "Save as"},
    {"export", "RWKPC", "Rodwick DB PC"}, {"export", "Nort", "ASCII Text"},
    {"export", "RWKST", "Rodwick DB Pro ST"}, {"export", "okay", "Export.."},
    {"export", "cancel", "Cancel"},

    {"print", "", "Print"}, {"print", "all", "All"}, {"print", "current", "Current"},
    {"print", "note", "Note Sheet"}, {"print", "record", "Records from"},
    {"print", "Label1", "to"}, {"print", "Frame1", "Options"},
    {"print", "ft", "Include Time"}, {"print", "fd", "Include Date"},
    {"print", "ff", "Include Filename"}, {"print", "Label2", "Copies:"},
    {"print", "Print", "Print"}, {"print", "cancel", "Cancel"},

    {"copy", "", "Copy"}, {"copy", "Label1", "Copy what?"}, {"copy", "okay", "Copy"},
    {"copy", "cancel", "Cancel"},

    {"preferences", "", "Preferences"}, {"preferences", "Frame3", "Options"},
    {"preferences", "ven", "Show possible venues and clubs on edit."},
    {"preferences", "Frame2", "Autoload File"}, {"preferences", "autosel", "Select.."},
    {"preferences", "Frame1", "Measurement"}, {"preferences", "mesmet", "Metric"},
    {"preferences", "mesimp", "Imperial"}, {"preferences", "okay", "Okay"},
    {"preferences", "cancel", "Cancel"},

    {"about", "", "About"}, {"about", "Label1", "Harrowby Software"},
    {"about", "cmdAbout", "OK"},

    {"splash", "Label1", "The Rodwick Database"}, {"splash", "Label3", "Harrowby Software"},
    {"splash", "Label6", "v " RODWICK_VERSION},
};
// clang-format on

// The caption of a control as the user reads it, or a note saying why there is none.
QString CaptionOf(const QWidget& window, const char* name) {
    if (*name == '\0') return window.windowTitle();
    const QString objectName = QString::fromLatin1(name);
    QObject* found = window.findChild<QObject*>(objectName);
    if (found == nullptr) return QStringLiteral("<missing>");
    if (auto* label = qobject_cast<QLabel*>(found)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(found)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(found)) return frame->title();
    if (auto* menu = qobject_cast<QMenu*>(found)) return menu->title();
    if (auto* action = qobject_cast<QAction*>(found)) return action->text();
    return QStringLiteral("<no caption: ") + found->metaObject()->className() + ">";
}

class CaptionsTest : public MainWindowTest {
  protected:
    // Opens a window the way the program does, hands it to `read` while it stands, and closes it.
    void WithWindow(const std::string& which, const std::function<void(const QWidget&)>& read) {
        const auto modal = [&](const char* command) {
            platform.answerModal([read](QDialog& dialog) {
                read(dialog);
                return static_cast<int>(QDialog::Rejected);
            });
            Action(command)->trigger();
        };
        static const std::map<std::string, const char*> kModals = {
            {"find", "MnuFind"},   {"goto", "MnuGoto"}, {"export", "MnuExp"},
            {"print", "MnuPrint"}, {"copy", "MnuCopy"}, {"preferences", "MnuPref"},
            {"about", "MnuAbo"}};
        if (which == "main") return read(window);
        if (kModals.contains(which)) return modal(kModals.at(which));
        if (which == "editor" || which == "species") {
            Action("MnuAdd")->trigger();
            QDialog* editor = window.findChild<EditingArea*>()->commands().addEditor();
            ASSERT_NE(editor, nullptr);
            if (which == "editor") {
                read(*editor);
            } else {
                platform.answerModal([read](QDialog& picker) {
                    read(picker);
                    return static_cast<int>(QDialog::Rejected);
                });
                Child<QPushButton>(*editor, "select")->click();
            }
            editor->close();
            return;
        }
        if (which == "quick edit") {
            // The temperature's code shows every control that carries a caption.
            QuickEditDialog dialog(book, platform, window, QuickEditRowFor(Field::temperature),
                                   &window);
            dialog.load();
            return read(dialog);
        }
        if (which == "splash") {
            auto splash = std::make_unique<SplashScreen>(platform, window);
            return read(*splash);
        }
        FAIL() << "no way to open " << which;
    }
};

TEST_F(CaptionsTest, EveryWindowCarriesItsDesignedCaptions) {
    Hold(3);
    std::map<std::string, std::vector<const Caption*>> byWindow;
    for (const Caption& caption : kCaptions) byWindow[caption.window].push_back(&caption);
    ASSERT_EQ(byWindow.size(), 12u) << "a window of the table is misspelt";

    int read = 0;
    for (const auto& [which, captions] : byWindow) {
        WithWindow(which, [&](const QWidget& shown) {
            for (const Caption* caption : captions) {
                ++read;
                EXPECT_EQ(CaptionOf(shown, caption->name), QString::fromUtf8(caption->text))
                    << which << ": " << (*caption->name ? caption->name : "title");
            }
        });
    }
    EXPECT_EQ(read, static_cast<int>(std::size(kCaptions))) << "a window never opened";
}

// What a screen reader says for a few input controls: the caption beside or above them, or,
// where none stands beside the control, the dialog's own words for it.
struct SpokenName {
    const char* window;
    const char* name;
    const char* spoken;
};

// clang-format off
const SpokenName kSpokenNames[] = {
    {"editor", "edven", "Venue:"}, {"editor", "edspec", "Species Caught:"},
    {"editor", "edrest", "Restrictions:"}, {"editor", "edtime2", "Finish Time:"},
    // The two boxes of a weight or depth share their row's caption and differ by their units.
    {"editor", "edwa", "Total Weight: Kg"}, {"editor", "edwb", "Total Weight: g"},
    {"editor", "edda", "Depth: m"}, {"editor", "eddb", "Depth: cm"},
    {"editor", "edbesta", "Weight: Kg"}, {"editor", "edbestb", "Weight: g"},
    {"quick edit", "hoco", "Please select new temperature."},
    {"species", "fish", "Fish Selection"}, {"species", "fishsel", "Species Caught:"},
    {"find", "find", "Word:"}, {"goto", "recsel", "Records:"},
    {"print", "from", "Records from"}, {"print", "gto", "to"}, {"print", "cop", "Copies:"},
    {"copy", "cot", "Copy what?"},
};
// clang-format on

// The controls a screen reader cannot name from their own text. The line box inside a combo or
// spin box is read as part of it.
bool TakesInput(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    if (parent && (parent->inherits("QComboBox") || parent->inherits("QAbstractSpinBox")))
        return false;
    for (const char* type : {"QLineEdit", "QComboBox", "QListWidget", "QTextEdit", "QPlainTextEdit",
                             "QAbstractSpinBox"})
        if (widget.inherits(type)) return true;
    return false;
}

QString SpokenNameOf(const QWidget& widget) {
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&widget));
    return face == nullptr ? QStringLiteral("<not accessible>") : face->text(QAccessible::Name);
}

TEST_F(CaptionsTest, EveryInputControlOfEveryDialogIsNamedForAScreenReader) {
    Hold(3);
    std::map<std::string, std::vector<const SpokenName*>> golden;
    for (const SpokenName& name : kSpokenNames) golden[name.window].push_back(&name);

    int inputs = 0;
    int checked = 0;
    for (const char* which : {"editor", "quick edit", "species", "find", "goto", "export", "print",
                              "copy", "preferences", "about"}) {
        ASSERT_NO_FATAL_FAILURE(WithWindow(which, [&](const QWidget& shown) {
            for (const QWidget* control : shown.findChildren<QWidget*>()) {
                // Disabled and hidden ones too: a screen reader lists them all.
                if (!TakesInput(*control)) continue;
                ++inputs;
                EXPECT_FALSE(SpokenNameOf(*control).isEmpty())
                    << which << ": " << control->objectName().toStdString() << " has no name";
            }
            for (const SpokenName* name : golden[which]) {
                ++checked;
                const auto* control = shown.findChild<QWidget*>(QString::fromLatin1(name->name));
                ASSERT_NE(control, nullptr) << which << ": " << name->name;
                EXPECT_EQ(SpokenNameOf(*control).toStdString(), name->spoken)
                    << which << ": " << name->name;
            }
        }));
    }
    // The editor's 22 boxes, the quick edit's four, the picker's two, find's one, goto's list,
    // print's three and copy's text.
    EXPECT_EQ(inputs, 22 + 4 + 2 + 1 + 1 + 3 + 1);
    EXPECT_EQ(checked, static_cast<int>(std::size(kSpokenNames))) << "a window is misspelt";
}

TEST(SpokenCaptionTest, DropsTheAccessKeyMarkOnly) {
    const struct {
        const char* shown;
        const char* spoken;
    } cases[] = {
        {"Word:", "Word:"},      {"&Word:", "Word:"},
        {"Co&pies:", "Copies:"}, {"Bait && Tackle", "Bait & Tackle"},
        {"Weight:&", "Weight:"}, {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpokenCaption(QString::fromUtf8(c.shown)).toStdString(), c.spoken) << c.shown;
    }
}

}  // namespace
}  // namespace rodwick::testing
