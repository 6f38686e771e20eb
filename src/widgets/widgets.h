// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPen>
#include <QPointer>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <span>

#include "platform.h"
#include "result.h"

namespace rodwick {

// Centres a window on the screen: left = (screen width - width) / 2, and so for the top.
void centreOnScreen(QWidget& window, const platform::Platform& platform);

// A window that stays open beside `main`: one at most. While `open` holds one, it is raised;
// otherwise `make` builds it and it is shown to the right of `main` where the screen has room,
// else below it, so that both stay in sight.
void showBeside(QWidget& window, const QWidget& main, platform::Platform& platform);
template <class Window>
void showOneBeside(QPointer<Window>& open, QWidget& main, platform::Platform& platform,
                   const std::function<Window*()>& make) {
    if (open) {
        open->raise();
        open->activateWindow();
        return;
    }
    open = make();
    showBeside(*open, main, platform);
}

// The small sans-serif face of captions and dialogs. Where the old system face is missing, a
// face of the same width stands in for it rather than whatever wide default the platform picks.
QFont captionFont();

// The frame every dialog shares: a fixed size, a title bar with a close box but no minimise or
// maximise buttons, and the caption face.
void makeFixedDialog(QDialog& dialog, QSize size);
// The same frame for a dialog named as the window's design names it, with its title.
void makeFixedDialog(QDialog& dialog, const char* name, const QString& caption, QSize size);

// A captioned control (button, option, check box, label) named as the window's design names
// it, at its place.
template <typename T>
T* control(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* control = new T(caption, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// A named label that shows its text as written: a caption never turns into markup.
QLabel* plainLabel(QWidget* parent, const char* name, const QString& text);

// Runs a handler when an option becomes selected, by the user or by code.
void onSelect(QRadioButton* option, QObject* context, std::function<void()> handler);

// Tab walks the widgets in the order given.
void chainTabOrder(std::span<QWidget* const> widgets);
inline void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    chainTabOrder(std::span<QWidget* const>(widgets.begin(), widgets.size()));
}

// The report of a write that failed, as a stop box with one OK button: "Could not ACTION to
// PATH: REASON. AFTERMATH", the aftermath telling the user where that leaves them.
platform::Message writeFailure(const QString& action, const QString& path, const Status& failed,
                               const QString& aftermath, const QString& title);

// A date as the program writes it: ten characters, month-day-year with hyphens (04-14-2001),
// whatever the locale.
QString monthDayYear(const QDate& date);

}  // namespace rodwick
