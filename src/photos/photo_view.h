// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

namespace rodwick::photos {

// One photo large, fitted to the window and upright as the camera recorded it; Left and Right
// go to the previous and next photo of the trip, Escape closes.
class PhotoView : public QDialog {
    Q_OBJECT

  public:
    PhotoView(QStringList paths, QStringList captions, int current, QWidget* parent = nullptr);

    int current() const { return current_; }
    void showPhoto(int index);
    // Why the photo shown has no picture; empty while it has one.
    QString reason() const { return reason_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QStringList paths_;
    QStringList captions_;
    int current_ = 0;
    QString reason_;
    QLabel* picture_ = nullptr;
};

}  // namespace rodwick::photos
