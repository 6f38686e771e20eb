// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "photo_shelf.h"
#include "record_book.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace rodwick::photos {

// Under the Photos window's list while the log book has photos of no trip (their trip changed
// where this program did not see it): "Photos of no trip (N)" shows them in the list instead of
// the trip's, and the trips offered for the photo chosen (those of its date first) link it
// again with one choice, "Link to Trip". Hidden while every photo has its trip.
class NoTripBar : public QWidget {
    Q_OBJECT

  public:
    NoTripBar(RecordBook& book, PhotoShelf& shelf, QWidget* parent);

    // Whether the list is to show the photos of no trip.
    bool showing() const;
    // How many photos are of no trip now: the bar is seen while there are some, and the list
    // goes back to the trip's photos once there are none.
    void setCount(int count);
    // Offers the trips for the photo of no trip named (none for "").
    void offerFor(const QString& name);
    // The record the offered choice links to; 0 while nothing is offered.
    int chosenRecord() const;
    // Links the photo offered for to the chosen trip.
    void linkChosen();

  signals:
    void showingChanged();
    // A link failed: the reason.
    void failed(const QString& reason);

  private:
    // A trip as an angler tells it: its date, start time and venue.
    QString tripName(int n) const;

    RecordBook& book_;
    PhotoShelf& shelf_;
    QPushButton* toggle_ = nullptr;
    QLabel* tripLabel_ = nullptr;
    QComboBox* trips_ = nullptr;
    QPushButton* link_ = nullptr;
    QString photo_;
};

}  // namespace rodwick::photos
