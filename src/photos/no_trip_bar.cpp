// SPDX-License-Identifier: GPL-3.0-or-later
#include "no_trip_bar.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "text.h"

namespace rodwick::photos {

NoTripBar::NoTripBar(RecordBook& book, PhotoShelf& shelf, QWidget* parent)
    : QWidget(parent), book_(book), shelf_(shelf) {
    toggle_ = new QPushButton(this);
    toggle_->setObjectName(QStringLiteral("PhotoNoTrip"));
    toggle_->setCheckable(true);
    toggle_->setToolTip(
        tr("Photos whose trip was changed outside this program: link each to its trip again. "
           "Nothing is deleted."));
    tripLabel_ = new QLabel(tr("&Trip:"), this);
    trips_ = new QComboBox(this);
    trips_->setObjectName(QStringLiteral("PhotoLinkTrip"));
    trips_->setAccessibleName(tr("Trip to link the photo to"));
    trips_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    trips_->setMinimumContentsLength(24);
    tripLabel_->setBuddy(trips_);
    link_ = new QPushButton(tr("&Link to Trip"), this);
    link_->setObjectName(QStringLiteral("PhotoLink"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toggle_);
    layout->addWidget(tripLabel_);
    layout->addWidget(trips_, 1);
    layout->addWidget(link_);
    setTabOrder(toggle_, trips_);
    setTabOrder(trips_, link_);

    connect(toggle_, &QPushButton::toggled, this, [this](bool on) {
        tripLabel_->setVisible(on);
        trips_->setVisible(on);
        link_->setVisible(on);
        emit showingChanged();
    });
    connect(link_, &QPushButton::clicked, this, &NoTripBar::linkChosen);
    tripLabel_->hide();
    trips_->hide();
    link_->hide();
    setCount(0);
}

bool NoTripBar::showing() const {
    return toggle_->isChecked();
}

void NoTripBar::setCount(int count) {
    toggle_->setText(tr("Photos of &no trip (%1)").arg(count));
    toggle_->setAccessibleName(tr("Photos of no trip (%1)").arg(count));
    if (count == 0 && toggle_->isChecked()) {
        // Without a signal: the window is already showing the change that emptied the list.
        const QSignalBlocker quiet(toggle_);
        toggle_->setChecked(false);
        tripLabel_->hide();
        trips_->hide();
        link_->hide();
    }
    setVisible(count > 0);
}

void NoTripBar::offerFor(const QString& name) {
    photo_ = showing() ? name : QString();
    trips_->clear();
    if (!photo_.isEmpty()) {
        for (const int n : shelf_.tripsFor(toPath(photo_))) trips_->addItem(tripName(n), n);
    }
    trips_->setEnabled(trips_->count() > 0);
    link_->setEnabled(trips_->count() > 0);
}

int NoTripBar::chosenRecord() const {
    return trips_->currentIndex() < 0 ? 0 : trips_->currentData().toInt();
}

void NoTripBar::linkChosen() {
    const int n = chosenRecord();
    if (photo_.isEmpty() || n < 1) return;
    // The shelf tells the windows, which show the photo with its trip from then on.
    const Status linked = shelf_.relink(toPath(photo_), n);
    if (!linked.ok()) emit failed(fromPath(linked.message()));
}

QString NoTripBar::tripName(int n) const {
    const TripRecord& trip = book_.table().slot(n);
    QStringList parts;
    for (const Field field : {Field::Date, Field::StartTime, Field::Venue}) {
        const QString text = fromFileText(trip[field]).trimmed();
        if (!text.isEmpty()) parts << text;
    }
    return tr("Trip %1: %2").arg(n).arg(parts.join(QStringLiteral(", ")));
}

}  // namespace rodwick::photos
