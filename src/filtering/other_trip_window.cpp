// SPDX-License-Identifier: GPL-3.0-or-later
#include "other_trip_window.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

#include "field_texts.h"
#include "fields.h"
#include "text.h"

namespace rodwick::filtering {
namespace {

// The labelled text of a trip: each field under its editor's caption, the weights and the
// depth with the unit names in force.
QString labelledText(const TripRecord& record, const UnitNames& units) {
    QStringList lines;
    for (const FieldInfo& info : kFields) {
        if (info.editorCaption.empty()) continue;
        QString caption = info.field == Field::BestFishWeightMajor ? fieldCaptionAlone(info.field)
                                                                   : fieldEditorCaption(info.field);
        QString value = fromFileText(record[info.field]);
        if (hasUnitName(info.unit)) {
            const auto minor = static_cast<Field>(static_cast<int>(info.field) + 1);
            const UnitKind minorUnit = fieldInfoOf(minor).unit;
            value =
                QStringList{fromFileText(record[info.field]),
                            fromFileText(unitName(info.unit, units)), fromFileText(record[minor]),
                            fromFileText(unitName(minorUnit, units))}
                    .join(QLatin1Char(' '));
        }
        lines << caption + QLatin1Char(' ') + value;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

void showOtherTrip(platform::Platform& platform, QWidget& parent, const std::string& bookName,
                   const TripRef& trip, const UnitNames& units) {
    // The text is copied: the window stays as it is when the file is read again.
    auto* window = new QWidget(&parent, Qt::Window);
    window->setObjectName(QStringLiteral("OtherTripWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QCoreApplication::translate("OtherTripWindow", "%1 - Trip %2")
                               .arg(fromPath(bookName))
                               .arg(trip.number));
    auto* text = new QPlainTextEdit(labelledText(*trip.record, units), window);
    text->setObjectName(QStringLiteral("OtherTripText"));
    text->setAccessibleName(window->windowTitle());
    text->setReadOnly(true);
    auto* close = new QPushButton(QCoreApplication::translate("OtherTripWindow", "Close"), window);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    window->resize(460, 480);
    platform.showModeless(*window);
}

}  // namespace rodwick::filtering
