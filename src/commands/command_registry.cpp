// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_registry.h"

#include <QAction>
#include <QCoreApplication>
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

bool named(const char* a, const char* b) {
    return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

std::string entryText(const CommandRow& row) {
    return std::string("menu entry ") + (row.name ? row.name : "(unnamed)");
}

// The rows of one menu in their places: those placed by order first, then each placed after
// its entry, which may itself be placed after another.
Result<std::vector<const CommandRow*>> placedRows(const std::vector<CommandRow>& rows,
                                                  const char* menu) {
    std::vector<const CommandRow*> placed;
    std::vector<const CommandRow*> following;
    for (const CommandRow& row : rows) {
        if (!named(row.menu, menu)) continue;
        (row.after ? following : placed).push_back(&row);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const CommandRow* a, const CommandRow* b) { return a->order < b->order; });
    while (!following.empty()) {
        const size_t before = following.size();
        for (auto it = following.begin(); it != following.end();) {
            auto at = std::find_if(placed.begin(), placed.end(), [&](const CommandRow* row) {
                return named(row->name, (*it)->after);
            });
            if (at == placed.end()) {
                ++it;
                continue;
            }
            placed.insert(at + 1, *it);
            it = following.erase(it);
        }
        if (following.size() == before) {
            return Result<std::vector<const CommandRow*>>::fail(
                entryText(*following.front()) + " follows " + following.front()->after +
                ", which is not in menu " + menu);
        }
    }
    return placed;
}

// The faults one row can have on its own or against the rows before it.
Status check(const std::vector<CommandRow>& rows, const std::vector<MenuHead>& menus) {
    std::map<std::string, const CommandRow*> names;
    std::map<QKeySequence, const CommandRow*> shortcuts;
    for (const CommandRow& row : rows) {
        if (row.name == nullptr || *row.name == '\0')
            return Status::fail("a menu entry has no name");
        const bool known = std::any_of(menus.begin(), menus.end(), [&](const MenuHead& head) {
            return named(head.name, row.menu);
        });
        if (!known) {
            return Status::fail(entryText(row) + " names menu " + (row.menu ? row.menu : "(none)") +
                                ", which the bar has not");
        }
        if (!names.emplace(row.name, &row).second)
            return Status::fail(entryText(row) + " is registered twice");
        if (row.shortcut == nullptr) continue;
        const auto [taken, fresh] =
            shortcuts.emplace(QKeySequence(QString::fromLatin1(row.shortcut)), &row);
        if (!fresh) {
            return Status::fail(entryText(row) + " takes the shortcut " + row.shortcut + " of " +
                                taken->second->name);
        }
    }
    return Status::success();
}

}  // namespace

const char* menuContext(const char* menu) {
    static const std::pair<const char*, const char*> kContexts[] = {{kFileMenu, "FileMenu"},
                                                                    {kEditMenu, "EditMenu"},
                                                                    {kOptionsMenu, "OptionsMenu"},
                                                                    {kRecordMenu, "RecordMenu"},
                                                                    {kHelpMenu, "HelpMenu"}};
    for (const auto& [name, context] : kContexts) {
        if (named(menu, name)) return context;
    }
    return "Menu";
}

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

Status CommandRegistry::buildMenus(QMenuBar& bar, const std::vector<MenuHead>& menus,
                                   QObject& context) {
    if (Status checked = check(rows_, menus); !checked) return checked;
    std::vector<std::vector<const CommandRow*>> placed;
    for (const MenuHead& head : menus) {
        auto rows = placedRows(rows_, head.name);
        if (!rows) return Status::fail(rows.error());
        placed.push_back(std::move(rows).value());
    }

    built_ = std::make_unique<Built>();
    for (size_t m = 0; m < menus.size(); ++m) {
        // The captions are English in the tables, translated as the menus are built.
        QMenu* menu = bar.addMenu(QCoreApplication::translate(kMenuBarContext, menus[m].caption));
        menu->setObjectName(QString::fromLatin1(menus[m].name));
        built_->menus[menus[m].name] = menu;
        const char* captions = menuContext(menus[m].name);
        for (const CommandRow* row : placed[m]) {
            QAction* action =
                row->caption ? menu->addAction(QCoreApplication::translate(captions, row->caption))
                             : menu->addSeparator();
            action->setObjectName(QString::fromLatin1(row->name));
            if (row->shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(row->shortcut)));
            if (row->handler) QObject::connect(action, &QAction::triggered, &context, row->handler);
            if (row->needsRecords) built_->recordCommands.push_back(action);
            built_->actions.emplace(row->name, action);
            if (row->built) row->built(*action);
        }
    }
    return Status::success();
}

QAction& CommandRegistry::action(const char* name) const {
    const auto found = built_ ? built_->actions.find(name) : decltype(built_->actions.end()){};
    if (!built_ || found == built_->actions.end()) qFatal("no menu entry %s", name);
    return *found->second;
}

QMenu& CommandRegistry::menu(const char* name) const {
    if (built_) {
        const auto found = built_->menus.find(name);
        if (found != built_->menus.end()) return *found->second;
    }
    qFatal("no menu %s", name);
}

void CommandRegistry::setRecordCommandsEnabled(bool enabled) {
    if (!built_) return;
    for (QAction* action : built_->recordCommands) action->setEnabled(enabled);
}

}  // namespace rodwick
