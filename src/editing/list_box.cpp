// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace rodwick {

void makeTypedListBox(QComboBox& box) {
    box.setEditable(true);
    box.setInsertPolicy(QComboBox::NoInsert);
    box.setCompleter(nullptr);
    box.setMaxVisibleItems(12);
    box.lineEdit()->setMaxLength(kNoLengthLimit);
}

void fillList(QComboBox& box, const QStringList& entries) {
    const QString text = box.currentText();
    const QSignalBlocker block(&box);
    box.addItems(entries);
    box.setCurrentIndex(-1);
    box.setEditText(text);
    QAbstractItemView* view = box.view();
    const int wanted = view->sizeHintForColumn(0) + view->verticalScrollBar()->sizeHint().width() +
                       2 * view->frameWidth();
    view->setMinimumWidth(std::max(box.width(), wanted));
}

}  // namespace rodwick
