// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string_view>
#include <vector>

#include "csv_import.h"
#include "platform.h"
#include "settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QTableWidgetItem;

namespace rodwick {

// The import window ("CsvImport"): how a spreadsheet file is read and which field each of its
// columns goes into, with the trips as they will be stored. It changes nothing itself; the
// caller takes plan() once the user presses Import.
class CsvImportWindow : public QDialog {
    Q_OBJECT

  public:
    // fileBytes must outlive the window; room is how many records the table still takes.
    CsvImportWindow(std::string_view fileBytes, const UnitNames& units, int room,
                    platform::Platform& platform, QWidget* parent = nullptr);

    const CsvImportChoice& choice() const { return choice_; }
    const CsvImportPlan& plan() const { return plan_; }

    // At most this many columns get a box of their own; any further are left out.
    static constexpr int kMaxMappedColumns = 200;
    static constexpr int kPreviewRows = 5;

  private:
    void readRows();
    void buildColumnBoxes();
    void replan();
    void showPreview();
    // The preview's cell says how and why its text differs from the file's.
    void markCell(QTableWidgetItem& item, const CsvCellNote& note) const;
    void showSummary();

    std::string_view fileBytes_;
    std::vector<QString> fieldNames_;
    int room_;
    CsvRows rows_;
    CsvImportChoice choice_;
    CsvImportPlan plan_;

    QComboBox* separator_ = nullptr;
    QComboBox* encoding_ = nullptr;
    QCheckBox* header_ = nullptr;
    QScrollArea* columnsArea_ = nullptr;
    std::vector<QComboBox*> columnBoxes_;
    QTableWidget* preview_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* okay_ = nullptr;
};

}  // namespace rodwick
