// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "command_registry.h"
#include "main_view.h"
#include "platform.h"
#include "record_book.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;

namespace rodwick {

class Clock;
class FileWatch;
class PhotoShelf;
class Recovery;
class Toolbar;
struct QuickEditRow;

// The main window: one trip at a time, the menus, and the file and record commands. Every
// other area of commands registers its menu entries with the command registry from its own
// folder (command_areas.cpp lists them); the menus and the toolbar are built from what was
// registered. What is public here is what the start-up needs, and what the tests drive.
class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT

  public:
    MainWindow(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Redraws the value labels, the scroll bar and the position text from the book; runs on
    // the book's notifications.
    void showCurrentRecord();
    // Switches the commands that need records, and the record panel, as one set; runs when
    // the book's table empties or fills.
    void setRecordCommands(bool enabled);

    // MainView.
    void applyDisplayFont(const QString& family) override;
    void showBusyTitle(const QString& text) override;
    void showFileTitle() override;
    QWidget& widget() override { return *this; }
    // The six unit labels from the settings' unit names; they follow the settings otherwise.
    void showUnitNames();

    // Record view and navigation (main_window.cpp).
    // scrollBar's maximum to recordCount (the start-up tick does this).
    void setScrollBarMaximum();
    // Record menu.
    void showFirstRecord();
    void showLastRecord();
    void showNextRecord();
    void showPreviousRecord();
    // The scroll bar released at a record.
    void scrollBarMoved();
    // Quick edit (main_window_quickedit.cpp): the row's editor on the current record's field,
    // then the view redrawn. The value labels' gestures run it.
    void quickEdit(const QuickEditRow& row);

    // File commands (main_window_files.cpp).
    // Loads a database file under the busy title and pointer; silent when it fails (the book
    // keeps what it held).
    void loadDatabase(const std::string& path);
    // Lists the book's file name in the File menu unless it is there already (letter case ignored).
    void addToFileList();
    // Captions of the opened-files list, element 0 (the separator) excluded.
    QStringList fileListCaptions() const;
    void newDatabase();
    void openDatabase();
    void save();
    void saveAs();
    void merge();
    void leave();
    void openListedFile(int index);
    // The dated copies of the open database; the one chosen is opened as Open does.
    void showBackups();
    // Offers the trips of a table never saved that a previous run left behind; the start-up
    // runs it after its database has loaded.
    void offerUnsavedTable();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Who closes the window: the user from its title bar or system menu, or Exit, which has
    // asked its own question already.
    enum class CloseReason { ByUser, ByCode };
    // True when the window may close; asks the user when the user closes it.
    bool mayClose(CloseReason reason);
    // Keys (key codes are Qt::Key values); true when the scroll bar's key was taken (Up and
    // Down arrows).
    bool scrollBarKeyDown(int key);
    void windowKeyDown(int key);
    // Writes the table to the book's file; tells the user when that fails. True on success.
    bool saveDatabase();
    // Appends the records of a file; all or nothing, silent on failure.
    void mergeDatabase(const std::string& path);
    // The window's own menu entries: the File menu (main_window_files.cpp) and the Record menu.
    void registerFileCommands();
    void registerRecordCommands();

    // The one place the window follows the book: redraw, record commands, title, units.
    void showChanges(const RecordBook::Changes& changes);
    // Tells the user a save to path failed, with the system's reason.
    void tellSaveFailed(const std::string& path, const Status& saved);
    // Menus, decorations and the record panel, from the layout tables (main_window_layout.cpp).
    void buildWindow();
    void buildMenus();
    void buildDecorations();
    void buildRecordPanel();
    // The picture buttons, the status line and the clock.
    void buildToolbar();
    // The exit question; true on Yes.
    bool askToLeave();
    // The busy text while one is set, else "Rodwick DB: " and the name the title shows.
    void drawTitle();
    // Watches the 22 value labels for their quick-edit gestures; once, on construction.
    void connectQuickEditGestures();
    // The recovery copy and the backups (main_window_recovery.cpp): set up once, on construction.
    void keepUnsavedTrips();
    // Asks whether the trips a recovery copy kept for path ("" for a table never saved) are to
    // be the table; removes the copy when they are not.
    void offerRecovery(const std::string& path);
    // Keeps the file a save to path replaces as a dated backup; the reason when it could not.
    Status backUp(const std::string& path);
    // After a save that went through: the recovery copy goes, and a backup that could not be
    // made is told.
    void tableSaved(const Status& backedUp);
    // The shelf of the book's photos, in the user's folders, its failures told in the status line.
    std::unique_ptr<PhotoShelf> makePhotoShelf(RecordBook& book);

    RecordBook& book_;
    platform::Platform& platform_;
    CloseReason closeReason_ = CloseReason::ByUser;

    // Stands in for the title while a load, a save or a dialog's list building runs.
    QString busyTitle_;

    QFrame* recordPanel_ = nullptr;
    std::array<QLabel*, kFieldCount> valueLabels_{};
    std::array<QLabel*, 6> unitLabels_{};  // mesw1, mesw2, mesw3, mesw4, mesl1, mesl2
    QLabel* position_ = nullptr;
    QLabel* noRecordsNotice_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QAction* fileListHead_ = nullptr;
    std::vector<QAction*> fileList_;  // elements 1..fileListCount
    // Every menu command, registered by the areas before the menus are built.
    CommandRegistry commands_;

    Toolbar* toolbar_ = nullptr;
    Clock* clock_ = nullptr;
    // Keeps the unsaved trips; its own subscription ends with it.
    std::unique_ptr<Recovery> recovery_;
    std::string backupFolder_;
    // The photos of the trips, kept in step with the records; before the commands that show them.
    std::unique_ptr<PhotoShelf> photos_;
    // Takes in what another program writes to the open file; a child of the window.
    FileWatch* fileWatch_ = nullptr;
    // Last member: ends before the widgets it redraws.
    RecordBook::Subscription bookSubscription_;
};

}  // namespace rodwick
