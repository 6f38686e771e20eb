// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <span>

#include "platform.h"
#include "trip_filter.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace rodwick {
class WordMatcher;
}

namespace rodwick::filtering {

// The filter of the trip list and the statistics window: a word, a range of dates, a venue,
// a species, a method, a bait, catches or blanks, and whether the open log book's trips are
// counted alone or with every log book of its folder. Each window has one of its own.
class FilterBar : public QWidget {
    Q_OBJECT

  public:
    explicit FilterBar(platform::Platform& platform, QWidget* parent = nullptr);
    ~FilterBar() override;

    TripFilter filter() const;
    // Find's test of a field for the word typed.
    WordTest wordTest() const;
    bool allLogBooks() const;

    // Fills the lists of venues, species, methods and baits from the trips, keeping each
    // choice made; a value chosen that is no longer present stays listed.
    void setChoicesFrom(std::span<const TripRef> trips);

  signals:
    // The filter or the folder choice changed.
    void changed();

  private:
    void datesChosen();

    platform::Platform& platform_;
    std::unique_ptr<WordMatcher> matcher_;
    QLineEdit* word_ = nullptr;
    QComboBox* dates_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QComboBox* venue_ = nullptr;
    QComboBox* species_ = nullptr;
    QComboBox* method_ = nullptr;
    QComboBox* bait_ = nullptr;
    QComboBox* catches_ = nullptr;
    QComboBox* scope_ = nullptr;
};

}  // namespace rodwick::filtering
