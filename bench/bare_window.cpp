// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up: the least a Qt Widgets program does to put a
// window of the splash's size on the screen. Built with the same compiler, flags and Qt as the
// program, so the difference between the two is the program's own start-up work.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(420, 260);
    window.show();
    return app.exec();
}
