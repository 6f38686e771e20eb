// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "editing_area.h"
#include "fixed_lists.h"
#include "record_editor.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {

// The record editor's boxes in the order of the record's fields.
inline const char* const kBoxNames[kFieldCount] = {
    "edven",   "edtype", "edday",  "edclub", "edwa",    "edwb",   "edwater", "edweather",
    "edtemp",  "edmeth", "edda",   "eddb",   "edbait",  "edspec", "edname",  "edbesta",
    "edbestb", "edrest", "edinfo", "eddat",  "edtime1", "edtime2"};

inline QString boxText(const QWidget& editor, const char* name) {
    QWidget* box = child(editor, name);
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->currentText();
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
    return qobject_cast<QPlainTextEdit*>(box)->toPlainText();
}

// Puts a text into a box as typing would leave it.
inline void type(QWidget& editor, const char* name, const QString& text) {
    QWidget* box = child(editor, name);
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->setEditText(text);
    if (auto* line = qobject_cast<QLineEdit*>(box)) return line->setText(text);
    qobject_cast<QPlainTextEdit*>(box)->setPlainText(text);
}

// The 22 boxes as a record, and a record typed into them.
inline TripRecord boxes(const QWidget& editor) {
    TripRecord record;
    for (int f = 0; f < kFieldCount; ++f)
        record.fields[f] = boxText(editor, kBoxNames[f]).toStdString();
    return record;
}
inline void typeRecord(QWidget& editor, const TripRecord& record) {
    for (int f = 0; f < kFieldCount; ++f)
        type(editor, kBoxNames[f], QString::fromStdString(record.fields[f]));
}

inline void click(const QWidget& dialog, const char* button) {
    child<QPushButton>(dialog, button)->click();
}

// The entries of a list box.
inline QStringList items(const QWidget& dialog, const char* name) {
    QStringList items;
    auto* combo = child<QComboBox>(dialog, name);
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// Shows a dialog for real, so that focus and keys work, types into a box (the named one, else
// the one the dialog gave the focus) and presses a key; returns the box.
inline QWidget* typeAndPress(QDialog& dialog, const char* text, Qt::Key key,
                             const char* name = nullptr) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* box = name ? child(dialog, name) : QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(box)) box = combo->lineEdit();
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, key);
    return box;
}

class EditingTest : public MainWindowTest {
  protected:
    // The Edit menu's state, held by its area beside the main window.
    const EditCommands& edits() { return window_.findChild<EditingArea*>()->commands(); }
    RecordEditor* addEditor() { return edits().addEditor(); }
    RecordEditor* openAdd() {
        action("MnuAdd")->trigger();
        return addEditor();
    }
    // Runs the Edit command; the driver works the modal editor.
    void editWith(std::function<void(RecordEditor&)> driver) {
        platform_.answerModal([driver](QDialog& dialog) {
            driver(static_cast<RecordEditor&>(dialog));
            return dialog.result();
        });
        action("MnuEdit")->trigger();
    }
    std::vector<TripRecord> heldTrips() { return testing::heldTrips(book_); }
};

}  // namespace rodwick::testing
