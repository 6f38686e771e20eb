// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

namespace rodwick {

// What the other windows may ask of the main window: the busy title, the value font and the
// window itself as a parent. Changes to the records and the settings reach it through the
// record book, never through here. Areas and dialogs depend on this, never on the main window.
class MainView {
  public:
    virtual ~MainView() = default;

    // A busy text ("Please Wait...") in place of the title while a window builds its lists.
    virtual void showBusyTitle(const QString& text) = 0;
    // The title drawn from the file state again ("Rodwick DB: " and the name).
    virtual void showFileTitle() = 0;

    // Font family of the 22 value labels, as the font command chose it: the settings file may
    // not carry every name, so the labels cannot take it from the settings.
    virtual void applyDisplayFont(const QString& family) = 0;

    // The main window as a widget, for parenting.
    virtual QWidget& widget() = 0;
};

}  // namespace rodwick
