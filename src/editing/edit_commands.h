// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "main_view.h"
#include "platform.h"
#include "record_book.h"
#include "record_editor.h"

namespace rodwick {

// The record commands of the Edit menu: add, edit, delete and duplicate, with the state they
// share: editorMode and the one modeless add editor. The main window owns one and runs its
// menu commands through it.
//
// While the add editor is open, Add, Edit and Duplicate only bring it to the front (Duplicate
// asks nothing and copies nothing), so editorMode always describes the one editor that is
// open. Delete works as usual: the add editor commits into the table as it is at Okay.
class EditCommands {
  public:
    EditCommands(RecordBook& book, platform::Platform& platform, MainView& view);
    EditCommands(const EditCommands&) = delete;
    EditCommands& operator=(const EditCommands&) = delete;

    // Add: opens the record editor without blocking the main window.
    void add();
    // Add with some boxes filled in. As Add, an open add editor is only brought to the front,
    // and then prepare is not called; otherwise prepare gives the texts to fill in (nothing:
    // no editor opens), and added is called with the new record's number when Okay adds the
    // trip. Cancel calls nothing.
    using Prepare = std::function<std::optional<FieldTexts>()>;
    using Added = std::function<void(int n)>;
    void addFilled(const Prepare& prepare, Added added);
    // Edit: the record editor on the current record, modal; redraws when it closes.
    void edit();
    // Asks, removes the current record and shows record 1 (or the empty view).
    void deleteRecord();
    // Asks, appends a copy of the current record and, on Yes, edits the copy. With 250
    // records held it refuses before asking, with the editor's limit message.
    void duplicate();

    EditorMode editorMode() const { return editorMode_; }
    // The open add editor, or null.
    RecordEditor* addEditor() const { return addEditor_.data(); }

  private:
    // Brings the open add editor to the front; false when there is none.
    bool raiseAddEditor();

    RecordBook& book_;
    platform::Platform& platform_;
    MainView& view_;
    EditorMode editorMode_ = EditorMode::Add;
    QPointer<RecordEditor> addEditor_;
    // Context of the add editor's connection, so that it ends with this object.
    QObject guard_;
};

}  // namespace rodwick
