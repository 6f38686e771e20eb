// SPDX-License-Identifier: GPL-3.0-or-later
// By its path from here, so that the translation tools find the class and its context.
#include "include/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "accessible_names.h"
#include "command_areas.h"
#include "photo_shelf.h"
#include "recovery.h"
#include "text.h"
#include "toolbar.h"

namespace rodwick {

MainWindow::MainWindow(RecordBook& book, platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent), book_(book), platform_(platform) {
    setObjectName(QStringLiteral("form1"));
    registerFileCommands();
    registerRecordCommands();
    photos_ = makePhotoShelf(book_);
    registerCommandAreas(commands_, book_, *photos_, platform_, *this);
    buildWindow();
    connectQuickEditGestures();
    keepUnsavedTrips();

    showFileTitle();
    // A table handed over with records shows its panel; an empty one shows Label25.
    setRecordCommands(book_.recordCount() > 0);
    bookSubscription_ =
        book_.subscribe([this](const RecordBook::Changes& changes) { showChanges(changes); });
}

MainWindow::~MainWindow() = default;

void MainWindow::showChanges(const RecordBook::Changes& changes) {
    // The record commands first: a first record added is shown with its commands on.
    if (changes.emptiness) setRecordCommands(book_.recordCount() > 0);
    if (changes.settings) showUnitNames();
    if (changes.fileName) drawTitle();
    if (changes.records || changes.currentRecord) showCurrentRecord();
}

void MainWindow::registerRecordCommands() {
    const auto row = [this](const char* name, const char* caption, int order,
                            void (MainWindow::*show)()) {
        return CommandRow{.name = name,
                          .caption = caption,
                          .menu = kRecordMenu,
                          .order = order,
                          .needsRecords = true,
                          .handler = [this, show] { (this->*show)(); }};
    };
    commands_.add({
        row(kFirstEntry, QT_TRANSLATE_NOOP("RecordMenu", "Firs&t"), 10,
            &MainWindow::showFirstRecord),
        row(kLastEntry, QT_TRANSLATE_NOOP("RecordMenu", "&Last"), 20, &MainWindow::showLastRecord),
        row(kNextEntry, QT_TRANSLATE_NOOP("RecordMenu", "&Next"), 30, &MainWindow::showNextRecord),
        row(kPreviousEntry, QT_TRANSLATE_NOOP("RecordMenu", "Pre&vious "), 40,
            &MainWindow::showPreviousRecord),
    });
}

void MainWindow::showCurrentRecord() {
    const RecordTable& table = book_.table();
    const int count = table.recordCount();
    const int current = table.currentRecord();
    {
        // The range stays valid with no records (the minimum is 1), and setting it here must
        // not come back as a scroll-bar change with a clamped value.
        const QSignalBlocker block(scrollBar_);
        scrollBar_->setRange(1, std::max(1, count));
        scrollBar_->setValue(current);
    }

    const TripRecord& record = table.slot(current);
    for (int i = 0; i < kFieldCount; ++i) {
        valueLabels_[static_cast<size_t>(i)]->setText(
            fromFileText(record.fields[static_cast<size_t>(i)]));
    }
    position_->setText(tr("Record %1 of %2").arg(current).arg(count));
    nameRecordPanel(valueLabels_, *scrollBar_, book_.settings().units, current, count);
}

void MainWindow::setRecordCommands(bool enabled) {
    commands_.setRecordCommandsEnabled(enabled);
    scrollBar_->setEnabled(enabled);
    toolbar_->setRecordPictures(enabled);
    recordPanel_->setVisible(enabled);
    noRecordsNotice_->setVisible(!enabled);
}

void MainWindow::setScrollBarMaximum() {
    const QSignalBlocker block(scrollBar_);
    scrollBar_->setRange(1, std::max(1, book_.recordCount()));
}

// Record menu: every command checks its bound and does nothing beyond it.

void MainWindow::showFirstRecord() {
    book_.show(1);
}

void MainWindow::showLastRecord() {
    book_.show(book_.recordCount());
}

void MainWindow::showNextRecord() {
    if (book_.currentRecord() >= book_.recordCount()) return;
    book_.show(book_.currentRecord() + 1);
}

void MainWindow::showPreviousRecord() {
    if (book_.currentRecord() <= 1) return;
    book_.show(book_.currentRecord() - 1);
}

void MainWindow::scrollBarMoved() {
    book_.show(std::clamp(scrollBar_->value(), 1, std::max(1, book_.recordCount())));
}

bool MainWindow::scrollBarKeyDown(int key) {
    switch (key) {
        case Qt::Key_Up:
            showFirstRecord();
            return true;
        case Qt::Key_Down:
            showLastRecord();
            return true;
        default:
            return false;
    }
}

void MainWindow::windowKeyDown(int key) {
    switch (key) {
        case Qt::Key_Left:
            showPreviousRecord();
            break;
        case Qt::Key_Right:
            showNextRecord();
            break;
        case Qt::Key_Up:
            showFirstRecord();
            break;
        case Qt::Key_Down:
            showLastRecord();
            break;
        default:
            break;
    }
}

bool MainWindow::askToLeave() {
    const platform::Message question{tr("Really leave The Rodwick Database by Harrowby Software"),
                                     tr("Exit"), platform::Buttons::YesNo,
                                     platform::Icon::Question};
    return platform_.showMessage(question) == platform::Answer::Yes;
}

bool MainWindow::mayClose(CloseReason reason) {
    return reason == CloseReason::ByCode || askToLeave();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool byUser = closeReason_ == CloseReason::ByUser;
    if (!mayClose(closeReason_)) {
        event->ignore();
        return;
    }
    event->accept();
    // Leaving the main window ends the program; Exit asks for that itself.
    if (byUser) QCoreApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            windowKeyDown(event->key());
            event->accept();
            break;
        default:
            QMainWindow::keyPressEvent(event);
            break;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBar_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (scrollBarKeyDown(key)) return true;
        // Qt's scroll bar inverts its controls for the vertical case, which also turns the
        // arrow keys of a horizontal one round; Left must go back one record, Right forward.
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            scrollBar_->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                          : QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace rodwick
