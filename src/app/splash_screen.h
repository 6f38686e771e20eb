// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "main_window.h"
#include "platform.h"

class QFrame;
class QLabel;
class QTimer;

namespace rodwick {

// The splash window: the program's first window, a picture that stands while the start-up
// runs. Its one-shot timer shows the main window three seconds after it was created.
class SplashScreen : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kSplashMilliseconds = 3000;

    // mainWindow is created hidden by the caller and stays hidden until the timer fires.
    SplashScreen(platform::Platform& platform, MainWindow& mainWindow, QWidget* parent = nullptr);
    // A splash shown before the main window exists; setMainWindow must come before the tick.
    explicit SplashScreen(platform::Platform& platform, QWidget* parent = nullptr);
    void setMainWindow(MainWindow& mainWindow) { mainWindow_ = &mainWindow; }
    // Work run once from the event loop after the splash's first frame, or at the latest
    // before the tick shows the main window.
    void afterFirstPaint(std::function<void()> work) { afterFirstPaint_ = std::move(work); }

    // Centres and shows the splash.
    void start();
    // The timer's first tick: shows the main window with its unit names, then closes the
    // splash and deletes it later. Any later call does nothing.
    void tick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void showControls();
    void runAfterFirstPaint();

    platform::Platform& platform_;
    MainWindow* mainWindow_ = nullptr;
    std::function<void()> afterFirstPaint_;
    bool ticked_ = false;

    QTimer* timer_ = nullptr;

    QFrame* border_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* makerLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* fishPicture_ = nullptr;
    QLabel* rodPicture_ = nullptr;
};

}  // namespace rodwick
