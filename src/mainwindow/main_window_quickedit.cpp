// SPDX-License-Identifier: GPL-3.0-or-later
// Quick edit of one field: every value label of the record panel opens an editor for its own
// field of the current record, on a double-click (a single click for the day-ticket price), or
// on F2 or Return while it has the keyboard focus.
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <unordered_map>

#include "box_text.h"
// By its path from here, so that the translation tools find the class and its context.
#include "include/main_window.h"
#include "quick_edit.h"
#include "quick_edit_dialog.h"
#include "species_picker.h"
#include "text.h"

namespace rodwick {

namespace {

// The keys that start the quick edit of the focused value, without a modifier.
bool isQuickEditKey(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier) return false;
    return key.key() == Qt::Key_F2 || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Hands each value label's gesture, with the label's row, to the main window.
class QuickEditGestures : public QObject {
  public:
    explicit QuickEditGestures(MainWindow& window) : QObject(&window), window_(window) {}

    void watch(QLabel& label, const QuickEditRow& row) {
        rows_[&label] = &row;
        // Tab reaches every value, so the keyboard alone can start each quick edit.
        label.setFocusPolicy(Qt::StrongFocus);
        label.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the gestures' events: a label being destroyed still sends others, and by then
        // it is no longer a whole label.
        const QEvent::Type type = event->type();
        if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::KeyPress &&
            type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
            return false;
        }
        const auto found = rows_.find(watched);
        if (found == rows_.end()) return false;
        const QuickEditRow& row = *found->second;
        auto* label = static_cast<QWidget*>(watched);
        switch (type) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                showFocus(*label, event->type() == QEvent::FocusIn);
                return false;
            case QEvent::KeyPress:
                if (!isQuickEditKey(*static_cast<QKeyEvent*>(event))) return false;
                window_.quickEdit(row);
                return true;
            default:
                break;
        }
        // A click is the left button coming up over the label it went down on.
        const QEvent::Type wanted = row.gesture == QuickGesture::Click
                                        ? QEvent::MouseButtonRelease
                                        : QEvent::MouseButtonDblClick;
        if (event->type() != wanted) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        if (!label->rect().contains(mouse->position().toPoint())) return false;
        window_.quickEdit(row);
        return true;
    }

  private:
    // The focused value is drawn in a selection blue, its frame left as it is. Both colours are
    // fixed, as the value's own white and black are, so that no theme changes them; the blue is
    // dark enough for white text to keep 4.5:1.
    static void showFocus(QWidget& label, bool focused) {
        QPalette colours = label.palette();
        colours.setColor(QPalette::Window, focused ? QColor(0x24, 0x68, 0x9a) : Qt::white);
        colours.setColor(QPalette::WindowText, focused ? Qt::white : Qt::black);
        label.setPalette(colours);
    }

    MainWindow& window_;
    std::unordered_map<const QObject*, const QuickEditRow*> rows_;
};

}  // namespace

void MainWindow::connectQuickEditGestures() {
    auto* gestures = new QuickEditGestures(*this);
    for (const QuickEditRow& row : quickEditRows()) {
        QLabel* label = valueLabels_[static_cast<std::size_t>(row.field)];
        Q_ASSERT(label != nullptr);
        gestures->watch(*label, row);
    }
}

void MainWindow::quickEdit(const QuickEditRow& row) {
    const RecordTable& table = book_.table();
    const int current = table.currentRecord();
    // The labels are hidden with the panel while the table is empty.
    if (current < 1) return;

    switch (row.editor) {
        case QuickEditor::InputBox: {
            const QString answer =
                platform_.inputBox(quickEditPrompt(row, book_.settings().units), tr("Quick Edit"),
                                   fromFileText(table.slot(current)[row.field]));
            // Cancel, or OK on an emptied box: these fields cannot be emptied here.
            if (answer.isEmpty()) return;
            // Stored as typed; only a pasted line break becomes a blank, as a field is one line
            // of the file.
            (void)book_.setField(row.field, toFileText(lineBreaksToBlanks(answer)));
            break;
        }
        case QuickEditor::SpeciesPicker:
            pickSpeciesForCurrentRecord(book_, platform_, this);
            break;
        default:
            quickEditInDialog(book_, platform_, *this, row, this);
            break;
    }
}

}  // namespace rodwick
