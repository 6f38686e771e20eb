// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash_screen.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "fish_rod_reel.h"
#include "version.h"
#include "widgets.h"

namespace rodwick {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 260;

const QColor kWaterTop(0xf7, 0xf3, 0xe8);
const QColor kWaterBottom(0xcf, 0xe2, 0xea);
const QColor kInk(0x16, 0x33, 0x4d);
const QColor kFrame(0x2e, 0x5e, 0x78);

// A face by name, with the kind to fall back on where that name is not installed.
QFont fontOf(const char* family, QFont::StyleHint hint, int points) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPointSize(points);
    return font;
}

// The text comes when the window is on the screen (showControls).
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                  Qt::Alignment alignment) {
    QLabel* label = plainLabel(parent, name, QString());
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kInk);
    label->setPalette(palette);
    return label;
}

QLabel* makePicture(QWidget* parent, const char* name, const QRect& geometry,
                    const QPixmap& pixmap) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(pixmap);
    return picture;
}

}  // namespace

SplashScreen::SplashScreen(platform::Platform& platform, MainWindow& mainWindow, QWidget* parent)
    : SplashScreen(platform, parent) {
    mainWindow_ = &mainWindow;
}

SplashScreen::SplashScreen(platform::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), platform_(platform) {
    setObjectName(QStringLiteral("Form9"));
    // The title is never drawn (no frame) but names the window to the desktop.
    setWindowTitle(QStringLiteral("The Rodwick Database"));
    setFixedSize(kWidth, kHeight);
    buildControls();

    // Enabled from the start: the three seconds count from creation, not from the end of the
    // load, so a slow automatic load does not lengthen the splash.
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(kSplashMilliseconds);
    connect(timer_, &QTimer::timeout, this, &SplashScreen::tick);
    timer_->start();
}

void SplashScreen::buildControls() {
    border_ = new QFrame(this);
    border_->setObjectName(QStringLiteral("Shape1"));
    border_->setGeometry(8, 8, kWidth - 16, kHeight - 16);
    border_->setFrameShape(QFrame::Box);
    border_->setLineWidth(2);
    QPalette framePalette = border_->palette();
    framePalette.setColor(QPalette::WindowText, kFrame);
    border_->setPalette(framePalette);

    QFont title = fontOf("Times New Roman", QFont::Serif, 24);
    title.setBold(true);
    titleLabel_ = makeLabel(this, "Label1", QRect(20, 22, kWidth - 40, 44), title, Qt::AlignCenter);

    // Both pictures stand on one waterline, 180 pixels down. They are drawn for the first
    // frame (paintEvent), not before the window is shown.
    fishPicture_ = makePicture(this, "Image1", QRect(40, 76, 156, 104), QPixmap());
    rodPicture_ = makePicture(this, "Image2", QRect(218, 96, 168, 84), QPixmap());

    QFont maker = fontOf("Times New Roman", QFont::Serif, 14);
    maker.setItalic(true);
    makerLabel_ =
        makeLabel(this, "Label3", QRect(20, 188, kWidth - 40, 28), maker, Qt::AlignCenter);

    const QFont version = fontOf("Arial", QFont::SansSerif, 9);
    versionLabel_ =
        makeLabel(this, "Label6", QRect(20, 222, kWidth - 40, 20), version, Qt::AlignCenter);
}

void SplashScreen::paintEvent(QPaintEvent* /*event*/) {
    // The window paints before its children, so they are in this same frame.
    if (fishPicture_->pixmap().isNull()) {
        fishPicture_->setPixmap(fishPicture(fishPicture_->size()));
        rodPicture_->setPixmap(rodPicture(rodPicture_->size()));
    }
    showControls();
    QPainter painter(this);
    QLinearGradient water(0, 0, 0, height());
    water.setColorAt(0.0, kWaterTop);
    water.setColorAt(1.0, kWaterBottom);
    painter.fillRect(rect(), water);
    // Posted: the whole frame reaches the screen before the work starts.
    if (afterFirstPaint_) QTimer::singleShot(0, this, &SplashScreen::runAfterFirstPaint);
}

void SplashScreen::runAfterFirstPaint() {
    if (afterFirstPaint_) std::exchange(afterFirstPaint_, {})();
}

void SplashScreen::start() {
    const QSize screen = platform_.screenSize();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
    // The controls and their texts wait for the window to be on the screen: the first control
    // shown or text given wakes the desktop's accessibility bridge, whose connection to the
    // session bus (started first where there is none) would otherwise hold the window back.
    // They are there for its first frame all the same.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->hide();
    create();
    windowHandle()->installEventFilter(this);
    platform_.showModeless(*this);
}

bool SplashScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        windowHandle()->removeEventFilter(this);
        showControls();
    }
    return QWidget::eventFilter(watched, event);
}

void SplashScreen::showControls() {
    if (!titleLabel_->text().isEmpty()) return;
    titleLabel_->setText(QStringLiteral("The Rodwick Database"));
    makerLabel_->setText(QStringLiteral("Harrowby Software"));
    versionLabel_->setText(QStringLiteral("v " RODWICK_VERSION));
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->show();
}

void SplashScreen::tick() {
    if (ticked_) return;
    ticked_ = true;
    timer_->stop();
    // Where no frame was ever painted, the start-up still runs before the main window shows.
    runAfterFirstPaint();

    // The main window is shown before the splash closes, so that the application never sees
    // its last visible window close and quits.
    platform_.showModeless(*mainWindow_);
    mainWindow_->showUnitNames();
    mainWindow_->setScrollBarMaximum();

    close();
    deleteLater();
}

}  // namespace rodwick
