// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
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
// them: window, then object name ("" for the window's own title) and text, trailing blanks and
// all.
struct WindowCaptions {
    const char* window;
    std::vector<std::pair<const char*, const char*>> captions;
};

// clang-format off
const WindowCaptions kCaptions[] = {
    // The menus are pinned with their shortcuts by the main window's own golden table.
    {"main",
     {{"Label1", "Venue:"}, {"Label5", "Type of water:"}, {"Label6", "Day Ticket \u00a3"},
      {"Label7", "Club:"}, {"Label8", "Weight:"}, {"Label9", "Water Conditions:"},
      {"Label10", "Weather:"}, {"Label11", "Temperature:"}, {"Label12", "Method:"},
      {"Label13", "Depth:"}, {"Label15", "Species:"}, {"Label14", "Best Bait,etc:"},
      {"Label18", "Restrictions:"}, {"Label19", "Remarks:"}, {"Label16", "Best Fish:"},
      {"Label17", "Weight:"}, {"Label21", "Start Time:"}, {"Label22", "Finish:"},
      {"Label20", "Date:"}, {"Label24", "'c"},
      {"Label25", "No records loaded. Please open a file or add a record."},
      {"Label2", "Rodwick Database"}, {"Label4", "v." RODWICK_VERSION},
      {"Label3", "Harrowby Software"}}},
    {"editor",
     {{"", "Adding A Record"}, {"Label1", "Venue:"}, {"Label2", "Type Of Water:"},
      {"Label3", "Day Ticket:"}, {"Label4", "Club:"}, {"Label5", "Total Weight:"},
      {"Label8", "Water Condition:"}, {"Label9", "Weather:"}, {"Label10", "Temperature:"},
      {"Label11", "'C"}, {"Label12", "Method:"}, {"Label13", "Depth:"},
      {"Label16", "Best Bait,etc:"}, {"Label17", "Species Caught:"}, {"Label18", "Best Fish:"},
      {"Label19", "Weight:"}, {"Label22", "Restrictions:"}, {"Label23", "Remarks:"},
      {"Label24", "Date:"}, {"Label25", "Start Time:"}, {"Label26", "Finish Time:"}, {"cless", "-"},
      {"cmore", "+"}, {"less", "-"}, {"more", " +"}, {"select", "Select"}, {"today", "Today"},
      {"okay", "Okay"}, {"cancel", "Cancel"}}},
    {"quick edit",
     {{"", "Quickedit"}, {"putdate", "Today"}, {"more", "+"}, {"less", "-"}, {"LabCel", "'c"},
      {"okay", "Okay"}, {"cancel", "Cancel"}}},
    {"species", {{"", "Fish Selection"}, {"okay", "Okay"}, {"cancel", "Cancel"}}},
    {"find",
     {{"", "Search"},
      {"Label1", "Please type in the word for me to search for. I will search all fields in all "
                 "records for the word you specify. Upper and lower case are no problem for me!"},
      {"Label2", "Word:"}, {"okay", "Okay"}, {"cancel", "Cancel"}}},
    {"goto", {{"", "Goto"}, {"Label1", "Records:"}, {"butgo", "Goto"}, {"butcan", "Cancel"}}},
    {"export",
     {{"", "Export"}, {"Frame2", "Records"}, {"all", "All "}, {"current", "Current"},
      {"Frame1", "Save as"}, {"RWKPC", "Rodwick DB PC"}, {"Nort", "ASCII Text"},
      {"RWKST", "Rodwick DB Pro ST"}, {"okay", "Export.."}, {"cancel", "Cancel"}}},
    {"print",
     {{"", "Print"}, {"all", "All"}, {"current", "Current"}, {"note", "Note Sheet"},
      {"record", "Records from"}, {"Label1", "to"}, {"Frame1", "Options"}, {"ft", "Include Time"},
      {"fd", "Include Date"}, {"ff", "Include Filename"}, {"Label2", "Copies:"}, {"Print", "Print"},
      {"cancel", "Cancel"}}},
    {"copy", {{"", "Copy"}, {"Label1", "Copy what?"}, {"okay", "Copy"}, {"cancel", "Cancel"}}},
    {"preferences",
     {{"", "Preferences"}, {"Frame3", "Options"},
      {"ven", "Show possible venues and clubs on edit."}, {"Frame2", "Autoload File"},
      {"autosel", "Select.."}, {"Frame1", "Measurement"}, {"mesmet", "Metric"},
      {"mesimp", "Imperial"}, {"okay", "Okay"}, {"cancel", "Cancel"}}},
    {"about", {{"", "About"}, {"Label1", "Harrowby Software"}, {"cmdAbout", "OK"}}},
    {"splash",
     {{"Label1", "The Rodwick Database"}, {"Label3", "Harrowby Software"},
      {"Label6", "v " RODWICK_VERSION}}},
};
// clang-format on

// The caption of a control as the user reads it, or a note saying why there is none.
QString captionOf(const QWidget& window, const char* name) {
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
    void withWindow(const std::string& which, const std::function<void(const QWidget&)>& read) {
        const auto modal = [&](const char* command) {
            platform_.answerModal([read](QDialog& dialog) {
                read(dialog);
                return static_cast<int>(QDialog::Rejected);
            });
            action(command)->trigger();
        };
        static const std::map<std::string, const char*> kModals = {
            {"find", "MnuFind"},   {"goto", "MnuGoto"}, {"export", "MnuExp"},
            {"print", "MnuPrint"}, {"copy", "MnuCopy"}, {"preferences", "MnuPref"},
            {"about", "MnuAbo"}};
        if (which == "main") return read(window_);
        if (kModals.contains(which)) return modal(kModals.at(which));
        if (which == "editor" || which == "species") {
            action("MnuAdd")->trigger();
            QDialog* editor = window_.findChild<EditingArea*>()->commands().addEditor();
            ASSERT_NE(editor, nullptr);
            if (which == "editor") {
                read(*editor);
            } else {
                platform_.answerModal([read](QDialog& picker) {
                    read(picker);
                    return static_cast<int>(QDialog::Rejected);
                });
                child<QPushButton>(*editor, "select")->click();
            }
            editor->close();
            return;
        }
        if (which == "quick edit") {
            // The temperature's code shows every control that carries a caption.
            QuickEditDialog dialog(book_, platform_, window_, quickEditRowFor(Field::Temperature),
                                   &window_);
            dialog.load();
            return read(dialog);
        }
        if (which == "splash") {
            // Its texts come with its first frame.
            auto splash = std::make_unique<SplashScreen>(platform_, window_);
            splash->grab();
            return read(*splash);
        }
        FAIL() << "no way to open " << which;
    }
};

TEST_F(CaptionsTest, EveryWindowCarriesItsDesignedCaptions) {
    hold(3);
    for (const auto& [which, captions] : kCaptions) {
        withWindow(which, [&](const QWidget& shown) {
            for (const auto& [name, text] : captions) {
                EXPECT_EQ(captionOf(shown, name), QString::fromUtf8(text))
                    << which << ": " << (*name ? name : "title");
            }
        });
    }
}

// What a screen reader says for one control of each kind: the caption beside or above it, or,
// where none stands beside the control, the dialog's own words for it.
// clang-format off
const std::map<std::string, std::vector<std::pair<const char*, const char*>>> kSpokenNames = {
    // The two boxes of a weight share their row's caption and differ by their units.
    {"editor", {{"edven", "Venue:"}, {"edwa", "Total Weight: Kg"}, {"edwb", "Total Weight: g"}}},
    {"quick edit", {{"hoco", "Please select new temperature."}}},
    {"species", {{"fish", "Fish Selection"}}},
    {"print", {{"cop", "Copies:"}}},
    {"copy", {{"cot", "Copy what?"}}},
};
// clang-format on

TEST_F(CaptionsTest, InputControlsAreNamedForAScreenReader) {
    hold(3);
    for (const auto& [which, names] : kSpokenNames) {
        withWindow(which, [&](const QWidget& shown) {
            for (const auto& [name, spoken] : names) {
                QAccessibleInterface* face =
                    QAccessible::queryAccessibleInterface(child(shown, name));
                ASSERT_NE(face, nullptr) << which << ": " << name;
                EXPECT_EQ(face->text(QAccessible::Name).toStdString(), spoken)
                    << which << ": " << name;
            }
        });
    }
}

TEST(SpokenCaptionTest, DropsTheAccessKeyMarkOnly) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {{"Word:", "Word:"}, {"&Word:", "Word:"},
        {"Co&pies:", "Copies:"}, {"Bait && Tackle", "Bait & Tackle"}, {"Weight:&", "Weight:"}, {"", ""}};
    // clang-format on
    for (const auto& [shown, spoken] : cases) {
        EXPECT_EQ(spokenCaption(QString::fromUtf8(shown)).toStdString(), spoken) << shown;
    }
}

}  // namespace
}  // namespace rodwick::testing
