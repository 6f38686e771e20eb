// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QString>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>

namespace rodwick {

// A caption as a screen reader should say it: the words as shown, without the access key's
// '&' ("&&" stands for a shown '&').
inline QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size()) break;
        spoken += caption[i];
    }
    return spoken;
}

// Names a control after a caption that does not stand beside it.
inline void nameByCaption(QWidget& control, const QString& caption) {
    control.setAccessibleName(spokenCaption(caption));
}

// Controls whose caption lives in a separate label; buttons and option boxes read their own.
inline bool needsCaption(const QWidget& widget) {
    return qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QListWidget*>(&widget) != nullptr ||
           qobject_cast<const QTextEdit*>(&widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr;
}

// The label a reader of the window takes for a control's caption: the nearest one left of it
// on its row, else the nearest one directly above it. Empty labels (a unit not yet filled in, a
// picture) caption nothing.
inline const QLabel* captionLabelOf(const QWidget& control) {
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr) return nullptr;
    const QRect box = control.geometry();
    const QLabel* left = nullptr;
    const QLabel* above = nullptr;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text().isEmpty()) continue;
        const QRect place = label->geometry();
        // Same row: the label's middle lies within the control's first line.
        const int middle = place.center().y();
        const int firstLine = std::min(box.height(), place.height());
        if (place.right() < box.left() && middle >= box.top() && middle < box.top() + firstLine) {
            if (left == nullptr || place.right() > left->geometry().right()) left = label;
        } else if (place.bottom() < box.top() && place.left() < box.right() &&
                   place.right() > box.left()) {
            if (above == nullptr || place.bottom() > above->geometry().bottom()) above = label;
        }
    }
    return left != nullptr ? left : above;
}

// Gives each input control of a window that has no name yet the caption of its label, so a
// screen reader says what the control is for. Call once the captions carry their texts.
inline void nameControlsByCaptions(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!needsCaption(*control) || !control->accessibleName().isEmpty()) continue;
        if (const QLabel* caption = captionLabelOf(*control)) {
            nameByCaption(*control, caption->text());
        }
    }
}

}  // namespace rodwick
