#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app_state.h"
#include "edit_commands.h"
#include "main_view.h"
#include "platform.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;

namespace rodwick {

struct QuickEditRow;

// The main window: one trip at a time, the menus, and the file commands.
class form1 : public QMainWindow, public MainView {
    Q_OBJECT

  public:
    form1(AppState& state, platform::Platform& platform, QWidget* parent = nullptr);

    // MainView.
    void ShowCurrentRecord() override;
    void SetRecordCommands(bool enabled) override;
    void ShowUnitNames() override;
    void ApplyDisplayFont(const QString& family) override;
    void ShowBusyTitle(const QString& text) override;
    void ShowFileTitle() override;
    QWidget& widget() override { return *this; }

    // Replaces the table by the file named by the table's currentFileName. When the file
    // cannot be read, the previous table and title stay and the file name becomes
    // previousFileName (or the name the title shows, when none is given).
    void LoadDatabase(std::optional<std::string> previousFileName = std::nullopt);
    // Writes the table to currentFileName; tells the user when that fails. True on success.
    bool SaveDatabase();
    // Appends the records of a file; all or nothing, silent on failure.
    void MergeDatabase(const std::string& path);
    // Lists currentFileName in the File menu unless it is there already (letter case ignored).
    void AddToFileList();

    // chrec's maximum to recordCount (the start-up tick does this).
    void SetChrecMaximum();

    // File menu.
    void MnuNew_Click();
    void MnuOpen_Click();
    void MnuSave_Click();
    void MnuSas_Click();
    void MnuMer_Click();
    void MnuExit_Click();
    void mnufilearray_Click(int index);
    // Record menu.
    void MnuFirst_Click();
    void MnuLast_Click();
    void MnuNext_Click();
    void MnuPrev_Click();
    // Edit menu: the record commands (form1_editing.cpp).
    void MnuAdd_Click();
    void MnuEdit_Click();
    void MnuDel_Click();
    void MnuDup_Click();
    // editorMode and the open add editor.
    const EditCommands& editCommands() const { return editCommands_; }
    // Quick edit (form1_quickedit.cpp): the row's editor on the current record's field, then
    // the view redrawn. The value labels' gestures run it.
    void QuickEdit(const QuickEditRow& row);
    int quickEditField() const { return quickEditField_; }
    // Scroll bar and keys (key codes are Qt::Key values).
    void chrec_Change();
    // True when the key was taken (Up and Down arrows).
    bool chrec_KeyDown(int key);
    void Form_KeyDown(int key);
    // unloadMode 0: the user closes the window from its title bar or system menu.
    void Form_QueryUnload(bool& cancel, int unloadMode);

    // Captions of the opened-files list, element 0 (the separator) excluded.
    QStringList fileListCaptions() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildRecordPanel();
    void buildDecorations();
    // The exit question; true on Yes.
    bool AskToLeave();
    // Sets currentFileName to path and loads it, keeping the old name for a failed load.
    void OpenPath(const std::string& path);
    // Connects MnuAdd, MnuEdit, MnuDel and MnuDup to their handlers; once, on construction.
    void connectEditingCommands();
    // Watches the 22 value labels for their quick-edit gestures; once, on construction.
    void connectQuickEditGestures();

    AppState& state_;
    platform::Platform& platform_;
    bool closingByCode_ = false;
    // The title a busy text stands in for.
    QString titleBeforeBusy_;

    QFrame* Frame1_ = nullptr;
    std::array<QLabel*, kFieldCount> valueLabels_{};
    std::array<QLabel*, 6> unitLabels_{};  // mesw1, mesw2, mesw3, mesw4, mesl1, mesl2
    QLabel* total_ = nullptr;
    QLabel* Label25_ = nullptr;
    QScrollBar* chrec_ = nullptr;

    QMenu* MnuFile_ = nullptr;
    QAction* mnufilearray0_ = nullptr;
    std::vector<QAction*> mnufilearray_;  // elements 1..fileListCount
    // Commands switched by SetRecordCommands.
    std::vector<QAction*> recordCommands_;

    // editorMode and the one modeless add editor live here, with the commands that set them.
    EditCommands editCommands_{state_, platform_, *this};
    // quickEditField: which field Form8 or the species picker works on. Set just before one
    // opens; the species code 9 goes back to 0 when the picker has closed, the other codes
    // stay until the next quick edit.
    int quickEditField_ = 0;
};

}  // namespace rodwick
