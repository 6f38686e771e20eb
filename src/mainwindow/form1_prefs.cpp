// The Options and Help menu commands of the main window: preferences, font, manual, About.
#include <QAction>

#include "display_font.h"
#include "form1.h"
#include "form3.h"
#include "form4.h"
#include "help.h"

namespace rodwick {

void form1::connectPrefsCommands() {
    const std::pair<const char*, void (form1::*)()> commands[] = {
        {"MnuPref", &form1::MnuPref_Click},
        {"MnuFont", &form1::MnuFont_Click},
        {"MnuHelp", &form1::MnuHelp_Click},
        {"MnuAbo", &form1::MnuAbo_Click},
    };
    for (const auto& [name, handler] : commands) {
        QAction* action = findChild<QAction*>(QString::fromLatin1(name));
        Q_ASSERT(action != nullptr);
        if (action == nullptr) continue;
        connect(action, &QAction::triggered, this,
                [this, handler = handler] { (this->*handler)(); });
    }
}

void form1::MnuPref_Click() {
    Form3 dialog(state_, platform_, *this, this);
    platform_.showModal(dialog);
}

void form1::MnuFont_Click() {
    ChooseDisplayFont(state_, platform_, *this, CommonDialog1Font_);
}

void form1::MnuHelp_Click() {
    ShowHelp(platform_, ManualPath(platform_.programDirectory()), WordProcessors());
}

void form1::MnuAbo_Click() {
    Form4 dialog(platform_, this);
    platform_.showModal(dialog);
}

}  // namespace rodwick
