// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_commands.h"

#include <QCoreApplication>

namespace rodwick {

EditCommands::EditCommands(RecordBook& book, platform::Platform& platform, MainView& view)
    : book_(book), platform_(platform), view_(view) {}

bool EditCommands::raiseAddEditor() {
    if (addEditor_.isNull()) return false;
    platform_.showModeless(*addEditor_);
    return true;
}

void EditCommands::add() {
    addFilled({}, {});
}

void EditCommands::addFilled(const Prepare& prepare, Added added) {
    if (raiseAddEditor()) return;
    FieldTexts texts;
    if (prepare) {
        std::optional<FieldTexts> prepared = prepare();
        if (!prepared) return;
        texts = std::move(*prepared);
    }
    editorMode_ = EditorMode::Add;
    auto* editor = new RecordEditor(book_, platform_, view_, editorMode_, &view_.widget());
    addEditor_ = editor;
    // However it closes (Okay, Cancel, Escape, close box), the editor is discarded.
    QObject::connect(editor, &QDialog::finished, &guard_, [this, editor] {
        if (addEditor_ == editor) addEditor_.clear();
        editor->deleteLater();
    });
    if (added) QObject::connect(editor, &RecordEditor::added, &guard_, std::move(added));
    editor->load();
    editor->fill(texts);
    platform_.showModeless(*editor);
}

void EditCommands::edit() {
    if (raiseAddEditor()) return;
    if (book_.recordCount() == 0) return;
    editorMode_ = EditorMode::Edit;
    RecordEditor editor(book_, platform_, view_, editorMode_, &view_.widget());
    editor.load();
    platform_.showModal(editor);
}

void EditCommands::deleteRecord() {
    if (book_.recordCount() == 0) return;
    const platform::Message question{
        QCoreApplication::translate("rodwick::EditCommands", "Really delete the current record?"),
        QCoreApplication::translate("rodwick::EditCommands", "Delete"), platform::Buttons::YesNo,
        platform::Icon::Exclamation, platform::DefaultButton::Second};
    if (platform_.showMessage(question) != platform::Answer::Yes) return;

    (void)book_.deleteCurrent();  // a record is current while records are held
}

void EditCommands::duplicate() {
    if (raiseAddEditor()) return;
    if (book_.recordCount() == 0) return;
    if (book_.recordCount() >= RecordTable::kMaxRecords) {
        tellRecordLimit(platform_);
        return;
    }
    const platform::Message question{
        QCoreApplication::translate("rodwick::EditCommands",
                                    "Do you want to edit this new occurance now?"),
        QCoreApplication::translate("rodwick::EditCommands", "Edit"),
        platform::Buttons::YesNoCancel, platform::Icon::Question, platform::DefaultButton::First};
    const platform::Answer answer = platform_.showMessage(question);
    if (answer != platform::Answer::Yes && answer != platform::Answer::No) return;

    if (!book_.duplicateCurrent().ok()) return;
    if (answer == platform::Answer::Yes) {
        book_.show(book_.recordCount());
        edit();
    }
}

}  // namespace rodwick
