// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>

#include "field_texts.h"
#include "fields.h"
#include "text.h"
#include "toolbar.h"

namespace rodwick {

namespace {

// The unit a listener hears after the value. The temperature's mark beside its value is read
// as a unit; the price's pound sign is already in its caption.
QString unitText(UnitKind unit, const UnitNames& units) {
    if (unit == UnitKind::Temperature) return QStringLiteral("\u00b0C");
    return fromFileText(unitName(unit, units));
}

}  // namespace

QString valueLabelName(Field field, const QString& value, const UnitNames& units) {
    // The two weight captions of the panel are told apart, as a listener cannot see which row
    // they stand in.
    QString name = fieldCaptionAlone(field);
    const QString shown = value.trimmed();
    if (shown.isEmpty()) return name;
    name += QLatin1Char(' ') + shown;
    const QString unit = unitText(fieldInfoOf(field).unit, units);
    if (!unit.isEmpty()) name += QLatin1Char(' ') + unit;
    return name;
}

QString recordPositionText(int current, int count) {
    if (count < 1)
        return QCoreApplication::translate("rodwick::MainWindow", "No records available");
    return QCoreApplication::translate("rodwick::MainWindow", "Record %1 of %2")
        .arg(current)
        .arg(count);
}

void nameRecordPanel(const std::array<QLabel*, kFieldCount>& labels, QScrollBar& scrollBar,
                     const UnitNames& units, int current, int count) {
    for (int i = 0; i < kFieldCount; ++i) {
        QLabel* label = labels[static_cast<std::size_t>(i)];
        label->setAccessibleName(valueLabelName(static_cast<Field>(i), label->text(), units));
    }
    scrollBar.setAccessibleName(QCoreApplication::translate("rodwick::MainWindow", "Record"));
    scrollBar.setAccessibleDescription(recordPositionText(current, count));
}

namespace {

// A toolbar picture is a plain widget to Qt; this tells assistive technology it is a button
// and lets it be pressed, as a click on it would.
class PictureButtonAccessible : public QAccessibleWidget {
  public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override {
        if (!widget()->isEnabled()) return {};
        return {pressAction()};
    }
    void doAction(const QString& actionName) override {
        if (actionName != pressAction() || !widget()->isEnabled()) return;
        emit static_cast<PictureButton*>(widget())->clicked();
    }
};

QAccessibleInterface* pictureButtonFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(PictureButton::staticMetaObject.className())) return nullptr;
    auto* button = qobject_cast<PictureButton*>(object);
    return button != nullptr ? new PictureButtonAccessible(button) : nullptr;
}

}  // namespace

void installPictureButtonAccessibility() {
    static const bool kInstalled = [] {
        QAccessible::installFactory(pictureButtonFactory);
        return true;
    }();
    (void)kInstalled;
}

}  // namespace rodwick
