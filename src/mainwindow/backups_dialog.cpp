// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

// YYYYMMDD-HHMMSS as the program writes a date and time: MM-DD-YYYY HH:MM:SS.
QString stampText(const std::string& stamp) {
    const QString s = QString::fromStdString(stamp);
    return s.mid(4, 2) + u'-' + s.mid(6, 2) + u'-' + s.left(4) + u' ' + s.mid(9, 2) + u':' +
           s.mid(11, 2) + u':' + s.mid(13, 2);
}

}  // namespace

std::unique_ptr<QDialog> makeBackupsDialog(QWidget* parent, const std::vector<Backup>& backups) {
    auto made = std::make_unique<QDialog>(parent);
    QDialog& dialog = *made;
    makeFixedDialog(dialog, "Backups", QCoreApplication::translate("BackupsDialog", "Backups"),
                    QSize(420, 300));
    auto* list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("BackupList"));
    list->setGeometry(8, 8, 404, 244);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QCoreApplication::translate("BackupsDialog", "Date"),
                           QCoreApplication::translate("BackupsDialog", "Trips"),
                           QCoreApplication::translate("BackupsDialog", "Size")});
    for (const Backup& backup : backups) {
        auto* row = new QTreeWidgetItem(
            list, {backup.conflictCopy
                       ? QCoreApplication::translate("BackupsDialog", "%1 (conflict copy)")
                             .arg(stampText(backup.stamp))
                       : stampText(backup.stamp),
                   backup.trips < 0 ? QStringLiteral("?") : QString::number(backup.trips),
                   QString::number(backup.size)});
        row->setData(0, Qt::UserRole, fromPath(backup.path));
    }
    list->header()->resizeSections(QHeaderView::ResizeToContents);
    if (list->topLevelItemCount() > 0) list->setCurrentItem(list->topLevelItem(0));

    auto* open =
        control<QPushButton>(&dialog, "Open", QCoreApplication::translate("BackupsDialog", "&Open"),
                             QRect(244, 262, 80, 28));
    auto* cancel = control<QPushButton>(&dialog, "Cancel",
                                        QCoreApplication::translate("BackupsDialog", "Cancel"),
                                        QRect(332, 262, 80, 28));
    open->setDefault(true);
    open->setEnabled(list->currentItem() != nullptr);
    QObject::connect(open, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, &QDialog::accept);
    chainTabOrder({list, open, cancel});
    return made;
}

std::optional<std::string> chooseBackup(platform::Platform& platform, QWidget& parent,
                                        const std::vector<Backup>& backups) {
    const std::unique_ptr<QDialog> dialog = makeBackupsDialog(&parent, backups);
    const auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("BackupList"));
    if (platform.showModal(*dialog) != QDialog::Accepted || list->currentItem() == nullptr)
        return std::nullopt;
    return toPath(list->currentItem()->data(0, Qt::UserRole).toString());
}

}  // namespace rodwick
