#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QTest>
#include <functional>
#include <string>

#include "form1_fixture.h"
#include "form3.h"
#include "settings.h"
#include "text.h"

namespace rodwick::testing {

// The main window with its program directory in a fresh folder, where the settings file goes.
class PrefsTest : public Form1Test {
  protected:
    PrefsTest() {
        platform.programDir = QString::fromStdString(dir.path);
        state.settings = DefaultSettings(dir.path);
    }

    std::string SettingsFile() const { return SettingsPath(dir.path); }

    template <typename T = QAbstractButton>
    static T* In(QDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) throw std::runtime_error(std::string("no control named ") + name);
        return found;
    }
    static void Click(QDialog& dialog, const char* name) { In(dialog, name)->click(); }
    // A key pressed in a dialog on screen, as the user presses it.
    static void Press(QDialog& dialog, Qt::Key key) {
        dialog.show();
        QTest::keyClick(&dialog, key);
    }

    // Opens the preferences from the menu and lets act work the window before it returns.
    int Preferences(const std::function<void(Form3&)>& act) {
        int result = -1;
        platform.answerModal([&](QDialog& dialog) {
            act(dynamic_cast<Form3&>(dialog));
            result = dialog.result();
            return result;
        });
        Action("MnuPref")->trigger();
        return result;
    }
};

}  // namespace rodwick::testing
