#pragma once

#include <QDialog>

#include "main_view.h"
#include "platform.h"
#include "record_book.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace rodwick {

// The goto list: one line per record ("2. River Usk on 12/05/01 at 07:30"); Goto, Return or a
// double-click makes the selected record current.
class Form6 : public QDialog {
    Q_OBJECT

  public:
    Form6(RecordBook& book, platform::Platform& platform, MainView& view,
          QWidget* parent = nullptr);

    // Centres the dialog, fills the list and selects the current record's line.
    void Form_Load();
    void butgo_Click();
    void butcan_Click();
    void recsel_DblClick();

  private:
    void buildControls();

    RecordBook& book_;
    platform::Platform& platform_;
    MainView& view_;

    QLabel* Label1_ = nullptr;
    QListWidget* recsel_ = nullptr;
    QPushButton* butgo_ = nullptr;
    QPushButton* butcan_ = nullptr;
    QLabel* Image1_ = nullptr;
};

}  // namespace rodwick
