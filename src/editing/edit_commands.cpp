#include "edit_commands.h"

namespace rodwick {

EditCommands::EditCommands(AppState& state, platform::Platform& platform, MainView& view)
    : state_(state), platform_(platform), view_(view) {}

bool EditCommands::RaiseAddEditor() {
    if (addEditor_.isNull()) return false;
    platform_.showModeless(*addEditor_);
    return true;
}

void EditCommands::Add() {
    if (RaiseAddEditor()) return;
    editorMode_ = kEditorAdd;
    auto* editor = new Form2(state_, platform_, view_, editorMode_, &view_.widget());
    addEditor_ = editor;
    // However it closes (Okay, Cancel, Escape, close box), the editor is discarded.
    QObject::connect(editor, &QDialog::finished, &guard_, [this, editor] {
        if (addEditor_ == editor) addEditor_.clear();
        editor->deleteLater();
    });
    editor->Form_Load();
    platform_.showModeless(*editor);
}

void EditCommands::Edit() {
    if (RaiseAddEditor()) return;
    if (state_.table.recordCount() == 0) return;
    editorMode_ = kEditorEdit;
    Form2 editor(state_, platform_, view_, editorMode_, &view_.widget());
    editor.Form_Load();
    platform_.showModal(editor);
    view_.ShowCurrentRecord();
}

void EditCommands::Delete() {
    RecordTable& table = state_.table;
    if (table.recordCount() == 0) return;
    const platform::Message question{QStringLiteral("Really delete the current record?"),
                                     QStringLiteral("Delete"), platform::Buttons::YesNo,
                                     platform::Icon::Exclamation, platform::DefaultButton::Second};
    if (platform_.showMessage(question) != platform::Answer::Yes) return;

    table.RemoveRecord();
    if (table.recordCount() == 0) {
        table.setCurrentRecord(0);
        view_.SetRecordCommands(false);
    } else {
        table.setCurrentRecord(1);
    }
    view_.ShowCurrentRecord();
}

void EditCommands::Duplicate() {
    if (RaiseAddEditor()) return;
    RecordTable& table = state_.table;
    if (table.recordCount() == 0) return;
    if (table.recordCount() >= RecordTable::kMaxRecords) {
        TellRecordLimit(platform_);
        return;
    }
    const platform::Message question{QStringLiteral("Do you want to edit this new occurance now?"),
                                     QStringLiteral("Edit"), platform::Buttons::YesNoCancel,
                                     platform::Icon::Question, platform::DefaultButton::First};
    const platform::Answer answer = platform_.showMessage(question);
    if (answer != platform::Answer::Yes && answer != platform::Answer::No) return;

    table.AppendRecords();
    if (answer == platform::Answer::Yes) {
        table.setCurrentRecord(table.recordCount());
        Edit();
    }
    view_.ShowCurrentRecord();
}

}  // namespace rodwick
