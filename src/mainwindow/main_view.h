#pragma once

#include <QDate>
#include <QDialog>
#include <QFont>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <span>

#include "platform.h"

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

// Centres a window on the screen: left = (screen width - width) / 2, and so for the top.
inline void CentreOnScreen(QWidget& window, const platform::Platform& platform) {
    const QSize screen = platform.screenSize();
    window.move((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

// The small sans-serif face of captions and dialogs. Where the old system face is missing, a
// face of the same width stands in for it rather than whatever wide default the platform picks.
inline QFont CaptionFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    return font;
}

// The frame every dialog shares: a fixed size, a title bar with a close box but no minimise or
// maximise buttons, and the caption face.
inline void MakeFixedDialog(QDialog& dialog, QSize size) {
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(size);
    dialog.setFont(CaptionFont());
}

// A captioned control (button, option, check box, label) named as the window's design names
// it, at its place.
template <typename T>
T* Control(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* control = new T(caption, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// Tab walks the widgets in the order given.
inline void SetTabOrder(std::span<QWidget* const> widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}
inline void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    SetTabOrder(std::span<QWidget* const>(widgets.begin(), widgets.size()));
}

// A date as the program writes it: ten characters, month-day-year with hyphens (04-14-2001),
// whatever the locale.
inline QString MonthDayYear(const QDate& date) {
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

// The busy title and pointer for as long as it lives: "Please Wait..." while a window loads.
class PleaseWait {
  public:
    PleaseWait(MainView& view, platform::Platform& platform,
               const QString& text = QStringLiteral("Please Wait..."))
        : view_(view), platform_(platform) {
        view_.ShowBusyTitle(text);
        platform_.setBusyPointer(true);
    }
    ~PleaseWait() {
        platform_.setBusyPointer(false);
        view_.ShowFileTitle();
    }
    PleaseWait(const PleaseWait&) = delete;
    PleaseWait& operator=(const PleaseWait&) = delete;

  private:
    MainView& view_;
    platform::Platform& platform_;
};

}  // namespace rodwick
