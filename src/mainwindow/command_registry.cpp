#include "command_registry.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace rodwick {

namespace {

bool Named(const char* a, const char* b) {
    return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

// The rows of one menu in their places: those placed by order first, then each placed after
// its entry, which may itself be placed after another.
std::vector<const CommandRow*> Placed(const std::vector<CommandRow>& rows, const char* menu) {
    std::vector<const CommandRow*> placed;
    std::vector<const CommandRow*> following;
    for (const CommandRow& row : rows) {
        if (!Named(row.menu, menu)) continue;
        (row.after ? following : placed).push_back(&row);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const CommandRow* a, const CommandRow* b) { return a->order < b->order; });
    while (!following.empty()) {
        const size_t before = following.size();
        for (auto it = following.begin(); it != following.end();) {
            auto at = std::find_if(placed.begin(), placed.end(), [&](const CommandRow* row) {
                return Named(row->objectName, (*it)->after);
            });
            if (at == placed.end()) {
                ++it;
                continue;
            }
            placed.insert(at + 1, *it);
            it = following.erase(it);
        }
        if (following.size() == before) {
            qFatal("menu entry %s follows %s, which is not in menu %s",
                   following.front()->objectName, following.front()->after, menu);
        }
    }
    return placed;
}

}  // namespace

struct CommandRegistry::Built {
    std::map<std::string, QAction*> actions;
    std::map<std::string, QMenu*> menus;
    std::vector<QAction*> recordCommands;
};

CommandRegistry::CommandRegistry() = default;
CommandRegistry::~CommandRegistry() = default;

void CommandRegistry::add(CommandRow row) {
    rows_.push_back(std::move(row));
}

void CommandRegistry::add(std::initializer_list<CommandRow> rows) {
    for (const CommandRow& row : rows) add(row);
}

void CommandRegistry::buildMenus(QMenuBar& bar, const std::vector<MenuHead>& menus,
                                 QObject& context) {
    built_ = std::make_unique<Built>();
    size_t entries = 0;
    for (const MenuHead& head : menus) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(head.caption));
        menu->setObjectName(QString::fromLatin1(head.objectName));
        built_->menus[head.objectName] = menu;
        for (const CommandRow* row : Placed(rows_, head.objectName)) {
            QAction* action = row->caption ? menu->addAction(QString::fromUtf8(row->caption))
                                           : menu->addSeparator();
            action->setObjectName(QString::fromLatin1(row->objectName));
            if (row->shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(row->shortcut)));
            if (row->handler) QObject::connect(action, &QAction::triggered, &context, row->handler);
            if (row->needsRecords) built_->recordCommands.push_back(action);
            if (!built_->actions.emplace(row->objectName, action).second)
                qFatal("menu entry %s is registered twice", row->objectName);
            ++entries;
        }
    }
    if (entries != rows_.size()) qFatal("a registered command names a menu the bar has not");
}

QAction& CommandRegistry::action(const char* objectName) const {
    const auto found =
        built_ ? built_->actions.find(objectName) : decltype(built_->actions.end()){};
    if (!built_ || found == built_->actions.end()) qFatal("no menu entry %s", objectName);
    return *found->second;
}

QMenu& CommandRegistry::menu(const char* objectName) const {
    if (built_) {
        const auto found = built_->menus.find(objectName);
        if (found != built_->menus.end()) return *found->second;
    }
    qFatal("no menu %s", objectName);
}

void CommandRegistry::setRecordCommandsEnabled(bool enabled) {
    if (!built_) return;
    for (QAction* action : built_->recordCommands) action->setEnabled(enabled);
}

}  // namespace rodwick
