// The Edit menu's record commands of the main window.
#include <QAction>
#include <utility>

#include "form1.h"

namespace rodwick {

void form1::connectEditingCommands() {
    const std::pair<const char*, void (form1::*)()> commands[] = {
        {"MnuAdd", &form1::MnuAdd_Click},
        {"MnuEdit", &form1::MnuEdit_Click},
        {"MnuDel", &form1::MnuDel_Click},
        {"MnuDup", &form1::MnuDup_Click},
    };
    for (const auto& [name, handler] : commands) {
        QAction* action = findChild<QAction*>(QString::fromLatin1(name));
        Q_ASSERT(action != nullptr);
        connect(action, &QAction::triggered, this,
                [this, handler = handler] { (this->*handler)(); });
    }
}

void form1::MnuAdd_Click() {
    editCommands_.Add();
}

void form1::MnuEdit_Click() {
    editCommands_.Edit();
}

void form1::MnuDel_Click() {
    editCommands_.Delete();
}

void form1::MnuDup_Click() {
    editCommands_.Duplicate();
}

}  // namespace rodwick
