#include "accessible_names.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QScrollBar>

#include "text.h"
#include "toolbar.h"

namespace rodwick {

namespace {

enum class Unit { None, WeightMajor, WeightMinor, DepthMajor, DepthMinor, Degrees };

struct Spoken {
    const char* caption;  // UTF-8
    Unit unit;
};

// In field order. The two weight captions of the panel are told apart here, as a listener
// cannot see which row they stand in; the temperature's mark is read as a unit.
constexpr std::array<Spoken, kFieldCount> kSpoken{{
    {"Venue:", Unit::None},
    {"Type of water:", Unit::None},
    {"Day Ticket \u00a3", Unit::None},
    {"Club:", Unit::None},
    {"Weight:", Unit::WeightMajor},
    {"Weight:", Unit::WeightMinor},
    {"Water Conditions:", Unit::None},
    {"Weather:", Unit::None},
    {"Temperature:", Unit::Degrees},
    {"Method:", Unit::None},
    {"Depth:", Unit::DepthMajor},
    {"Depth:", Unit::DepthMinor},
    {"Best Bait,etc:", Unit::None},
    {"Species:", Unit::None},
    {"Best Fish:", Unit::None},
    {"Best Fish Weight:", Unit::WeightMajor},
    {"Best Fish Weight:", Unit::WeightMinor},
    {"Restrictions:", Unit::None},
    {"Remarks:", Unit::None},
    {"Date:", Unit::None},
    {"Start Time:", Unit::None},
    {"Finish:", Unit::None},
}};

QString UnitText(Unit unit, const UnitNames& units) {
    switch (unit) {
        case Unit::WeightMajor:
            return FromFileText(units.weightMajorUnit);
        case Unit::WeightMinor:
            return FromFileText(units.weightMinorUnit);
        case Unit::DepthMajor:
            return FromFileText(units.depthMajorUnit);
        case Unit::DepthMinor:
            return FromFileText(units.depthMinorUnit);
        case Unit::Degrees:
            return QStringLiteral("\u00b0C");
        case Unit::None:
            break;
    }
    return {};
}

}  // namespace

QString ValueLabelName(Field field, const QString& value, const UnitNames& units) {
    const Spoken& spoken = kSpoken[static_cast<std::size_t>(field)];
    QString name = QString::fromUtf8(spoken.caption);
    const QString shown = value.trimmed();
    if (shown.isEmpty()) return name;
    name += QLatin1Char(' ') + shown;
    const QString unit = UnitText(spoken.unit, units);
    if (!unit.isEmpty()) name += QLatin1Char(' ') + unit;
    return name;
}

QString RecordPositionText(int current, int count) {
    if (count < 1) return QStringLiteral("No records available");
    return QStringLiteral("Record %1 of %2").arg(current).arg(count);
}

void NameRecordPanel(const std::array<QLabel*, kFieldCount>& labels, QScrollBar& chrec,
                     const UnitNames& units, int current, int count) {
    for (int i = 0; i < kFieldCount; ++i) {
        QLabel* label = labels[static_cast<std::size_t>(i)];
        label->setAccessibleName(ValueLabelName(static_cast<Field>(i), label->text(), units));
    }
    chrec.setAccessibleName(QStringLiteral("Record"));
    chrec.setAccessibleDescription(RecordPositionText(current, count));
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

QAccessibleInterface* PictureButtonFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(PictureButton::staticMetaObject.className())) return nullptr;
    auto* button = qobject_cast<PictureButton*>(object);
    return button != nullptr ? new PictureButtonAccessible(button) : nullptr;
}

}  // namespace

void InstallPictureButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(PictureButtonFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace rodwick
