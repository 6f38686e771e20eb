#pragma once

#include <QString>
#include <QWidget>

namespace rodwick {

// What the other windows may ask of the main window: the busy title, the unit labels and the
// value font. Changes to the records reach it through the record book, never through here.
// Dialogs depend on this, never on the main window itself, so that each window library stays free
// of the main window's code.
class MainView {
  public:
    virtual ~MainView() = default;

    // The six unit labels from the settings' unit names.
    virtual void ShowUnitNames() = 0;
    // Font family of the 22 value labels.
    virtual void ApplyDisplayFont(const QString& family) = 0;

    // A busy text ("Please Wait...") in place of the title while a window builds its lists.
    virtual void ShowBusyTitle(const QString& text) = 0;
    // The title drawn from the file state again ("Rodwick DB: " and the name).
    virtual void ShowFileTitle() = 0;

    // The main window as a widget, for parenting.
    virtual QWidget& widget() = 0;
};

}  // namespace rodwick
