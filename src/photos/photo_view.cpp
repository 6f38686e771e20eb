// SPDX-License-Identifier: GPL-3.0-or-later
#include "photo_view.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "thumbnails.h"

namespace rodwick::photos {

PhotoView::PhotoView(QStringList paths, QStringList captions, int current, QWidget* parent)
    : QDialog(parent), paths_(std::move(paths)), captions_(std::move(captions)) {
    setObjectName(QStringLiteral("PhotoView"));
    resize(900, 675);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("PhotoPicture"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
    showPhoto(current);
}

void PhotoView::showPhoto(int index) {
    if (paths_.isEmpty()) return;
    current_ = std::clamp(index, 0, static_cast<int>(paths_.size()) - 1);
    setWindowTitle(
        tr("%1 (%2 of %3)").arg(captions_.value(current_)).arg(current_ + 1).arg(paths_.size()));
    // Read fitted to the window: a twelve-megapixel photo is never held whole.
    const auto picture = readFittedPicture(paths_[current_], picture_->size());
    if (picture.ok()) {
        reason_.clear();
        picture_->setPixmap(QPixmap::fromImage(picture.value()));
    } else {
        reason_ = QString::fromStdString(picture.error());
        picture_->setPixmap({});
        picture_->setText(reason_);
    }
    picture_->setAccessibleName(windowTitle());
}

void PhotoView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            showPhoto(current_ - 1);
            return;
        case Qt::Key_Right:
            showPhoto(current_ + 1);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void PhotoView::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    showPhoto(current_);
}

}  // namespace rodwick::photos
