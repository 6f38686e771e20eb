// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace rodwick {

// A decoration painted in code at the widget's own size, so that it stays sharp on any screen.
class Drawing : public QWidget {
  public:
    using Painter = std::function<void(QPainter&, const QRectF&)>;
    Drawing(const char* name, Painter paint, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter paint_;
};

}  // namespace rodwick
