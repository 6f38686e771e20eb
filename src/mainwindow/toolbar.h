// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "command_names.h"
#include "toolbar_pictures.h"

class QAction;
class QFrame;
class QLabel;

namespace rodwick {

class CommandRegistry;

// One picture button of the toolbar: what it says in the status line, the menu entry it runs,
// and the names of its pictures.
struct ToolbarEntry {
    const char* name;        // object name of the button
    const char* statusText;  // helpdata's caption while the pointer moves over it (English)
    const char* command;     // object name of the menu entry a click runs
    const char* up;
    const char* down;
    const char* disabled;  // nullptr: the button is always enabled
};

// The nine buttons, left to right. The save button runs Save As: it asks for a name each time.
inline constexpr std::array<ToolbarEntry, 9> kToolbarEntries{{
    {"ButNew", QT_TRANSLATE_NOOP("Toolbar", "New Database"), kNewEntry, "newup", "newdown",
     nullptr},
    {"ButOpen", QT_TRANSLATE_NOOP("Toolbar", "Open Database"), kOpenEntry, "openup", "opendown",
     nullptr},
    {"ButSave", QT_TRANSLATE_NOOP("Toolbar", "Save Database"), kSaveAsEntry, "saveup", "savedown",
     nullptr},
    {"butdup", QT_TRANSLATE_NOOP("Toolbar", "Duplicate Record"), kDuplicateEntry, "dupup",
     "dupdown", "dupdis"},
    {"ButDelete", QT_TRANSLATE_NOOP("Toolbar", "Delete Record"), kDeleteEntry, "delup", "deldown",
     "deldis"},
    {"ButSearch", QT_TRANSLATE_NOOP("Toolbar", "Search Database"), kFindEntry, "binoup", "binodown",
     "binodis"},
    {"ButAdd", QT_TRANSLATE_NOOP("Toolbar", "Add Record"), kAddEntry, "addup", "adddown", nullptr},
    {"ButEdit", QT_TRANSLATE_NOOP("Toolbar", "Edit Record"), kEditEntry, "editup", "editdown",
     "editdis"},
    {"butcopy", QT_TRANSLATE_NOOP("Toolbar", "Copy Data"), kCopyEntry, "copyup", "copydown",
     "copydis"},
}};

// An image control that reports its mouse events; it has no pressed look of its own, the
// toolbar swaps its pictures. Disabled, it receives no mouse events at all.
class PictureButton : public QWidget {
    Q_OBJECT

  public:
    PictureButton(const ToolbarEntry& entry, QWidget* parent);

    const ToolbarEntry& entry() const { return entry_; }
    // The name of the picture shown ("addup").
    const QString& picture() const { return picture_; }
    void setPicture(const QString& name);

  signals:
    void mouseDown();
    void mouseUp();
    // A left press and release on the button.
    void clicked();
    void mouseMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    const ToolbarEntry& entry_;
    QString picture_;
    // The picture drawn for the pixel ratio it was drawn at.
    QPixmap drawn_;
    bool leftPressed_ = false;
};

// The toolbar row of the main window and the status line helpdata beneath the record view.
class Toolbar : public QObject {
    Q_OBJECT

  public:
    static constexpr int kSpacing = 2;
    static constexpr int kRowWidth = 9 * kToolbarPictureSize + 8 * kSpacing;

    // Puts the nine buttons in a row from rowTopLeft and helpdata at statusRect, on the client
    // area of window. Clicks run window's menu entries; moves anywhere on the client area or
    // recordView but over a button clear the status line.
    Toolbar(QWidget& window, const CommandRegistry& commands, QWidget* client, QFrame* recordView,
            QPoint rowTopLeft, const QRect& statusRect);

    // The record commands' switch: enabled with their up pictures, or disabled and greyed.
    void setRecordPictures(bool enabled);

    // The four events, alike for every button.
    void pressButton(PictureButton& button);
    void releaseButton(PictureButton& button);
    void clickButton(PictureButton& button);
    void showButtonHelp(PictureButton& button);
    // A notice in the status line, until the pointer next clears it.
    void showStatus(const QString& text);
    // Moves over the window's background and over the record view.
    void pointerOverBackground();
    void pointerOverRecordView();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Watched from the application's filter, which outlives them while the window closes.
    QPointer<QWidget> client_;
    QPointer<QFrame> recordView_;
    QLabel* helpdata_ = nullptr;
    std::vector<PictureButton*> buttons_;
    // The command of each button, in the order of buttons_: the very action of its menu entry.
    std::vector<QAction*> commands_;
};

}  // namespace rodwick
