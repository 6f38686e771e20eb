// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "accessible_names.h"
#include "command_registry.h"
#include "toolbar_pictures.h"

namespace rodwick {

PictureButton::PictureButton(const ToolbarEntry& entry, QWidget* parent)
    : QWidget(parent), entry_(entry), picture_(QString::fromLatin1(entry.up)) {
    setObjectName(QString::fromLatin1(entry.name));
    // A picture has no text of its own: a screen reader names it by its status line text.
    setAccessibleName(QCoreApplication::translate("Toolbar", entry.statusText));
    setFixedSize(kToolbarPictureSize, kToolbarPictureSize);
    // Moves without a button held still reach the status line.
    setMouseTracking(true);
}

void PictureButton::setPicture(const QString& name) {
    if (name == picture_) return;
    picture_ = name;
    drawn_ = QPixmap();
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    // Drawn for the screen the button is on now, so it stays sharp when moved to another.
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.devicePixelRatio() != ratio) {
        drawn_ = toolbarPicture(picture_, ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    event->accept();
    emit mouseDown();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // A click is a left press and release on the button; a release elsewhere only lets go.
    const bool click = event->button() == Qt::LeftButton && leftPressed_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    emit mouseUp();
    if (click) emit clicked();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}

Toolbar::Toolbar(QWidget& window, const CommandRegistry& commands, QWidget* client,
                 QFrame* recordView, QPoint rowTopLeft, const QRect& statusRect)
    : QObject(&window), client_(client), recordView_(recordView) {
    installPictureButtonAccessibility();
    QPoint at = rowTopLeft;
    for (const ToolbarEntry& entry : kToolbarEntries) {
        auto* button = new PictureButton(entry, client);
        button->move(at);
        at.rx() += kToolbarPictureSize + kSpacing;
        connect(button, &PictureButton::mouseDown, this, [this, button] { pressButton(*button); });
        connect(button, &PictureButton::mouseUp, this, [this, button] { releaseButton(*button); });
        connect(button, &PictureButton::clicked, this, [this, button] { clickButton(*button); });
        connect(button, &PictureButton::mouseMoved, this,
                [this, button] { showButtonHelp(*button); });
        buttons_.push_back(button);
        commands_.push_back(&commands.action(entry.command));
    }

    helpdata_ = new QLabel(client);
    helpdata_->setObjectName(QStringLiteral("helpdata"));
    helpdata_->setTextFormat(Qt::PlainText);
    helpdata_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    helpdata_->setIndent(4);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(10);
    helpdata_->setFont(font);
    helpdata_->setGeometry(statusRect);

    // The background and the record view report moves without a button held, to clear the
    // status line. A disabled button passes its moves on to the background.
    client_->setMouseTracking(true);
    recordView_->setMouseTracking(true);
    // The labels and pictures on them do not track the mouse, and Qt drops their moves without
    // passing them on; only the application's filters still see those moves.
    QCoreApplication::instance()->installEventFilter(this);
}

void Toolbar::setRecordPictures(bool enabled) {
    for (PictureButton* button : buttons_) {
        const ToolbarEntry& entry = button->entry();
        if (entry.disabled == nullptr) continue;
        button->setEnabled(enabled);
        button->setPicture(QString::fromLatin1(enabled ? entry.up : entry.disabled));
    }
}

void Toolbar::pressButton(PictureButton& button) {
    button.setPicture(QString::fromLatin1(button.entry().down));
}

void Toolbar::releaseButton(PictureButton& button) {
    button.setPicture(QString::fromLatin1(button.entry().up));
}

void Toolbar::clickButton(PictureButton& button) {
    // Exactly as if chosen from the menu: a disabled entry does nothing.
    const auto at = std::find(buttons_.begin(), buttons_.end(), &button);
    if (at != buttons_.end()) commands_[static_cast<size_t>(at - buttons_.begin())]->trigger();
}

void Toolbar::showButtonHelp(PictureButton& button) {
    helpdata_->setText(QCoreApplication::translate("Toolbar", button.entry().statusText));
}

void Toolbar::showStatus(const QString& text) {
    helpdata_->setText(text);
}

void Toolbar::pointerOverBackground() {
    helpdata_->clear();
}

void Toolbar::pointerOverRecordView() {
    helpdata_->clear();
}

bool Toolbar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove || !watched->isWidgetType() || !client_ ||
        !recordView_) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = static_cast<QWidget*>(watched);
    // Anywhere on the record view, its labels included, is a move over the record view; one
    // there does not go on to the background as well.
    if (widget == recordView_) {
        pointerOverRecordView();
        event->accept();
        return true;
    }
    if (recordView_->isAncestorOf(widget)) {
        pointerOverRecordView();
    } else if (widget == client_ ||
               (client_->isAncestorOf(widget) && qobject_cast<PictureButton*>(widget) == nullptr)) {
        // The rest of the window, but a button sets its own text. A disabled button's moves
        // reach the background through the propagation.
        pointerOverBackground();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rodwick
