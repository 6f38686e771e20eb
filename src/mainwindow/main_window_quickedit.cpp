// Quick edit of one field: every value label of the record panel opens an editor for its own
// field of the current record, on a double-click (a single click for the day-ticket price).
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <unordered_map>

#include "box_text.h"
#include "form10.h"
#include "form8.h"
#include "main_window.h"
#include "quick_edit.h"
#include "text.h"

namespace rodwick {

namespace {

// Hands each value label's gesture, with the label's row, to the main window.
class QuickEditGestures : public QObject {
  public:
    explicit QuickEditGestures(MainWindow& window) : QObject(&window), window_(window) {}

    void watch(QLabel& label, const QuickEditRow& row) {
        rows_[&label] = &row;
        label.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto found = rows_.find(watched);
        if (found == rows_.end()) return false;
        const QuickEditRow& row = *found->second;
        // A click is the left button coming up over the label it went down on.
        const QEvent::Type wanted = row.gesture == QuickGesture::Click
                                        ? QEvent::MouseButtonRelease
                                        : QEvent::MouseButtonDblClick;
        if (event->type() != wanted) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const auto* label = static_cast<QWidget*>(watched);
        if (!label->rect().contains(mouse->position().toPoint())) return false;
        window_.quickEdit(row);
        return true;
    }

  private:
    MainWindow& window_;
    std::unordered_map<const QObject*, const QuickEditRow*> rows_;
};

}  // namespace

void MainWindow::connectQuickEditGestures() {
    auto* gestures = new QuickEditGestures(*this);
    for (const QuickEditRow& row : QuickEditRows()) {
        QLabel* label = valueLabels_[static_cast<std::size_t>(row.field)];
        Q_ASSERT(label != nullptr && label->objectName() == QLatin1String(row.label));
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
            const QString answer = platform_.inputBox(QuickEditPrompt(row, book_.settings().units),
                                                      QStringLiteral("Quick Edit"),
                                                      FromFileText(table.slot(current)[row.field]));
            // Cancel, or OK on an emptied box: these fields cannot be emptied here.
            if (answer.isEmpty()) return;
            // Stored as typed; only a pasted line break becomes a blank, as a field is one line
            // of the file.
            (void)book_.setField(row.field, ToFileText(LineBreaksToBlanks(answer)));
            break;
        }
        case QuickEditor::SpeciesPicker:
            quickEditField_ = row.code;
            PickSpeciesForCurrentRecord(book_, platform_, *this, this);
            quickEditField_ = kNoQuickEdit;
            break;
        default:
            quickEditField_ = row.code;
            QuickEditInDialog(book_, platform_, *this, quickEditField_, this);
            break;
    }
}

}  // namespace rodwick
