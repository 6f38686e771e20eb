// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu's record commands.
#include "editing_area.h"

#include <QAction>
#include <QCoreApplication>
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "command_registry.h"

namespace rodwick {

namespace {

// The steps as the book names them, kept in English in the history; shown translated.
constexpr std::array kStepNames{
    QT_TRANSLATE_NOOP("UndoSteps", "Add"),
    QT_TRANSLATE_NOOP("UndoSteps", "Edit"),
    QT_TRANSLATE_NOOP("UndoSteps", "Quick Edit"),
    QT_TRANSLATE_NOOP("UndoSteps", "Species"),
    QT_TRANSLATE_NOOP("UndoSteps", "Delete"),
    QT_TRANSLATE_NOOP("UndoSteps", "Duplicate"),
    QT_TRANSLATE_NOOP("UndoSteps", "Merge"),
    QT_TRANSLATE_NOOP("UndoSteps", "New"),
    QT_TRANSLATE_NOOP("UndoSteps", "Replace"),
    QT_TRANSLATE_NOOP("UndoSteps", "Recovery"),
    QT_TRANSLATE_NOOP("UndoSteps", "Reload"),
    QT_TRANSLATE_NOOP("UndoSteps", "Merge from Disk"),
    QT_TRANSLATE_NOOP("UndoSteps", "Merge of Conflicted Copy"),
    QT_TRANSLATE_NOOP("UndoSteps", "Remove Photo"),
};

// "Import of 12 Trips": the count read back, so that the plural is the language's.
std::optional<int> importCount(std::string_view step) {
    constexpr std::string_view kHead = "Import of ";
    if (!step.starts_with(kHead)) return std::nullopt;
    step.remove_prefix(kHead.size());
    int count = 0;
    const auto [end, failed] = std::from_chars(step.data(), step.data() + step.size(), count);
    const std::string_view tail(end, static_cast<std::size_t>(step.data() + step.size() - end));
    if (failed != std::errc() || (tail != " Trip" && tail != " Trips")) return std::nullopt;
    return count;
}

}  // namespace

QString stepCaption(const std::string& step) {
    if (const auto count = importCount(step))
        return QCoreApplication::translate("UndoSteps", "Import of %n Trip(s)", nullptr, *count);
    for (const char* name : kStepNames) {
        if (step == name) return QCoreApplication::translate("UndoSteps", name);
    }
    // A step another part of the program named and no table here knows: shown as named.
    return QString::fromStdString(step);
}

EditingArea::EditingArea(RecordBook& book, platform::Platform& platform, MainView& view)
    : QObject(&view.widget()),
      book_(book),
      commands_(book, platform, view),
      history_(book.subscribe([this](const RecordBook::Changes&) { showHistory(); })) {}

void EditingArea::followHistory(QAction& action, bool redo) {
    (redo ? redo_ : undo_) = &action;
    showHistory();
}

void EditingArea::showHistory() {
    // The command alone and the command with its step are two captions of one entry: each
    // pair has a context of its own, as they are never shown together.
    const auto show = [](QAction* action, const QString& alone, const QString& named,
                         const std::string& step) {
        if (action == nullptr) return;
        action->setText(step.empty() ? alone : named.arg(stepCaption(step)));
        action->setEnabled(!step.empty());
    };
    show(undo_, QCoreApplication::translate("UndoCommand", "&Undo"),
         QCoreApplication::translate("UndoCommandStep", "&Undo %1"), book_.undoName());
    show(redo_, QCoreApplication::translate("UndoCommand", "&Redo"),
         QCoreApplication::translate("UndoCommandStep", "&Redo %1"), book_.redoName());
}

EditCommands& registerEditingCommands(CommandRegistry& commands, RecordBook& book,
                                      platform::Platform& platform, MainView& view) {
    auto* area = new EditingArea(book, platform, view);
    EditCommands& edit = area->commands();
    // Beneath the copy command of the output area.
    commands.add({
        {.name = kEditSeparator, .menu = kEditMenu, .order = 20},
        {.name = kEditEntry,
         .caption = QT_TRANSLATE_NOOP("EditMenu", "&Edit Record..."),
         .shortcut = "Ctrl+E",
         .menu = kEditMenu,
         .order = 30,
         .needsRecords = true,
         .handler = [&edit] { edit.edit(); }},
        {.name = kDeleteEntry,
         .caption = QT_TRANSLATE_NOOP("EditMenu", "&Delete Record...  "),
         .shortcut = "Del",
         .menu = kEditMenu,
         .order = 40,
         .needsRecords = true,
         .handler = [&edit] { edit.deleteRecord(); }},
        {.name = kAddEntry,
         .caption = QT_TRANSLATE_NOOP("EditMenu", "&Add Record..."),
         .shortcut = "Ctrl+A",
         .menu = kEditMenu,
         .order = 50,
         .handler = [&edit] { edit.add(); }},
        {.name = kDuplicateEntry,
         .caption = QT_TRANSLATE_NOOP("EditMenu", "D&uplicate Record"),
         .shortcut = "Ctrl+T",
         .menu = kEditMenu,
         .order = 60,
         .needsRecords = true,
         .handler = [&edit] { edit.duplicate(); }},
        // Not record commands: a deleted last record is undone with the table empty.
        {.name = kUndoSeparator, .menu = kEditMenu, .order = 70},
        // Undo's and Redo's captions follow the history from the moment the menus are built.
        {.name = kUndoEntry,
         .caption = "&Undo",
         .shortcut = "Ctrl+Z",
         .menu = kEditMenu,
         .order = 80,
         .handler = [&book] { (void)book.undo(); },
         .built = [area](QAction& action) { area->followHistory(action, false); }},
        {.name = kRedoEntry,
         .caption = "&Redo",
         .shortcut = "Ctrl+Shift+Z",
         .menu = kEditMenu,
         .order = 90,
         .handler = [&book] { (void)book.redo(); },
         .built = [area](QAction& action) { area->followHistory(action, true); }},
    });
    return edit;
}

}  // namespace rodwick
