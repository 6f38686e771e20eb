#include "form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "accessible_names.h"
#include "text.h"
#include "toolbar.h"

namespace rodwick {

namespace {

// The commands that need records, switched as one set by SetRecordCommands.
constexpr const char* kRecordCommands[] = {"MnuEdit",  "MnuDel",  "MnuDup",  "MnuFirst",
                                           "MnuLast",  "MnuNext", "MnuPrev", "MnuGoto",
                                           "MnuPrint", "MnuCopy", "MnuFind"};

}  // namespace

form1::form1(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), book_(book), platform_(platform) {
    setObjectName(QStringLiteral("form1"));
    buildWindow();
    for (const char* name : kRecordCommands) recordCommands_.push_back(menuEntry(name));

    connectRecordCommands();
    connectFileCommands();
    connectPrefsCommands();
    connectFindingCommands();
    connectEditingCommands();
    connectOutputCommands();
    connectQuickEditGestures();

    ShowFileTitle();
    // A table handed over with records shows its panel; an empty one shows Label25.
    SetRecordCommands(book_.recordCount() > 0);
    bookSubscription_ =
        book_.subscribe([this](const RecordBook::Changes& changes) { ShowChanges(changes); });
}

void form1::ShowChanges(const RecordBook::Changes& changes) {
    // The record commands first: a first record added is shown with its commands on.
    if (changes.emptiness) SetRecordCommands(book_.recordCount() > 0);
    if (changes.settings) ShowUnitNames();
    if (changes.fileName) DrawTitle();
    if (changes.records || changes.currentRecord) ShowCurrentRecord();
}

QAction* form1::menuEntry(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void form1::connectRecordCommands() {
    connect(menuEntry("MnuFirst"), &QAction::triggered, this, [this] { MnuFirst_Click(); });
    connect(menuEntry("MnuLast"), &QAction::triggered, this, [this] { MnuLast_Click(); });
    connect(menuEntry("MnuNext"), &QAction::triggered, this, [this] { MnuNext_Click(); });
    connect(menuEntry("MnuPrev"), &QAction::triggered, this, [this] { MnuPrev_Click(); });
}

void form1::ShowCurrentRecord() {
    const RecordTable& table = book_.table();
    const int count = table.recordCount();
    const int current = table.currentRecord();
    {
        // The range stays valid with no records (the minimum is 1), and setting it here must
        // not come back as a scroll-bar change with a clamped value.
        const QSignalBlocker block(chrec_);
        chrec_->setRange(1, std::max(1, count));
        chrec_->setValue(current);
    }

    const TripRecord& record = table.slot(current);
    for (int i = 0; i < kFieldCount; ++i) {
        valueLabels_[static_cast<size_t>(i)]->setText(
            FromFileText(record.fields[static_cast<size_t>(i)]));
    }
    total_->setText(QStringLiteral("Record %1 of %2").arg(current).arg(count));
    NameRecordPanel(valueLabels_, *chrec_, book_.settings().units, current, count);
}

void form1::SetRecordCommands(bool enabled) {
    for (QAction* action : recordCommands_) action->setEnabled(enabled);
    chrec_->setEnabled(enabled);
    toolbar_->SetRecordPictures(enabled);
    Frame1_->setVisible(enabled);
    Label25_->setVisible(!enabled);
}

void form1::SetChrecMaximum() {
    const QSignalBlocker block(chrec_);
    chrec_->setRange(1, std::max(1, book_.recordCount()));
}

// Record menu: every command checks its bound and does nothing beyond it.

void form1::MnuFirst_Click() {
    book_.show(1);
}

void form1::MnuLast_Click() {
    book_.show(book_.recordCount());
}

void form1::MnuNext_Click() {
    if (book_.currentRecord() >= book_.recordCount()) return;
    book_.show(book_.currentRecord() + 1);
}

void form1::MnuPrev_Click() {
    if (book_.currentRecord() <= 1) return;
    book_.show(book_.currentRecord() - 1);
}

void form1::chrec_Change() {
    book_.show(std::clamp(chrec_->value(), 1, std::max(1, book_.recordCount())));
}

bool form1::chrec_KeyDown(int key) {
    switch (key) {
        case Qt::Key_Up:
            MnuFirst_Click();
            return true;
        case Qt::Key_Down:
            MnuLast_Click();
            return true;
        default:
            return false;
    }
}

void form1::Form_KeyDown(int key) {
    switch (key) {
        case Qt::Key_Left:
            MnuPrev_Click();
            break;
        case Qt::Key_Right:
            MnuNext_Click();
            break;
        case Qt::Key_Up:
            MnuFirst_Click();
            break;
        case Qt::Key_Down:
            MnuLast_Click();
            break;
        default:
            break;
    }
}

bool form1::AskToLeave() {
    const platform::Message question{
        QStringLiteral("Really leave The Rodwick Database by Harrowby Software"),
        QStringLiteral("Exit"), platform::Buttons::YesNo, platform::Icon::Question};
    return platform_.showMessage(question) == platform::Answer::Yes;
}

void form1::Form_QueryUnload(bool& cancel, int unloadMode) {
    if (unloadMode != 0) return;
    if (!AskToLeave()) cancel = true;
}

void form1::closeEvent(QCloseEvent* event) {
    const bool byUser = !closingByCode_;
    bool cancel = false;
    Form_QueryUnload(cancel, byUser ? 0 : 1);
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    // Leaving the main window ends the program; Exit asks for that itself.
    if (byUser) QCoreApplication::quit();
}

void form1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            Form_KeyDown(event->key());
            event->accept();
            break;
        default:
            QMainWindow::keyPressEvent(event);
            break;
    }
}

bool form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chrec_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (chrec_KeyDown(key)) return true;
        // Qt's scroll bar inverts its controls for the vertical case, which also turns the
        // arrow keys of a horizontal one round; Left must go back one record, Right forward.
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            chrec_->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                      : QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace rodwick
