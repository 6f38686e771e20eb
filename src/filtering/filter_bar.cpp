// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter_bar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "text.h"
#include "windows_locale.h"

namespace rodwick::filtering {
namespace {

// The date list's entries after "Any date" and the three quick ranges.
constexpr int kFirstMonthEntry = 4;
constexpr int kRangeEntry = kFirstMonthEntry + 12;

QComboBox* valueList(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(12);
    list->addItem(FilterBar::tr("Any"));
    return list;
}

QLabel* captionFor(QWidget* parent, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

// The range's dates as the figures write them: the program's own order under English, the
// locale's short date otherwise, with the year in full so that no century is guessed.
QString dateFormat() {
    if (windowsSpeakEnglish()) return QStringLiteral("MM-dd-yyyy");
    QString format = windowsLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

Date dateOf(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

// The value chosen as file text; empty for "Any".
std::string chosen(const QComboBox* list) {
    return list->currentIndex() <= 0 ? std::string() : toFileText(list->currentText());
}

}  // namespace

FilterBar::FilterBar(platform::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), matcher_(std::make_unique<WordMatcher>()) {
    setObjectName(QStringLiteral("FilterBar"));
    word_ = new QLineEdit(this);
    word_->setObjectName(QStringLiteral("FilterWord"));
    word_->setAccessibleName(tr("Word in any field"));
    word_->setClearButtonEnabled(true);

    dates_ = new QComboBox(this);
    dates_->setObjectName(QStringLiteral("FilterDates"));
    dates_->setAccessibleName(tr("Dates"));
    dates_->addItems({tr("Any date"), tr("This year"), tr("Last year"), tr("The last 12 months")});
    const QLocale locale = windowsLocale();
    for (int month = 1; month <= 12; ++month) {
        dates_->addItem(tr("Every %1").arg(locale.standaloneMonthName(month)));
    }
    dates_->addItem(tr("From a date to a date"));
    const QDate today = platform_.now().date();
    from_ = new QDateEdit(QDate(today.year(), 1, 1), this);
    to_ = new QDateEdit(today, this);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setDisplayFormat(dateFormat());
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
    }
    from_->setObjectName(QStringLiteral("FilterFrom"));
    from_->setAccessibleName(tr("From"));
    to_->setObjectName(QStringLiteral("FilterTo"));
    to_->setAccessibleName(tr("To"));

    venue_ = valueList(this, "FilterVenue", tr("Venue"));
    species_ = valueList(this, "FilterSpecies", tr("Species"));
    method_ = valueList(this, "FilterMethod", tr("Method"));
    bait_ = valueList(this, "FilterBait", tr("Bait"));

    catches_ = new QComboBox(this);
    catches_->setObjectName(QStringLiteral("FilterCatches"));
    catches_->setAccessibleName(tr("Catches"));
    catches_->addItems({tr("All trips"), tr("Trips with a catch"), tr("Blank trips")});
    scope_ = new QComboBox(this);
    scope_->setObjectName(QStringLiteral("FilterScope"));
    scope_->setAccessibleName(tr("Log books"));
    scope_->addItems({tr("This log book"), tr("All log books in this folder")});

    auto* range = new QHBoxLayout;
    range->setContentsMargins(0, 0, 0, 0);
    range->addWidget(dates_);
    range->addWidget(from_);
    range->addWidget(captionFor(this, tr("to"), to_));
    range->addWidget(to_);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(captionFor(this, tr("Wo&rd:"), word_), 0, 0);
    grid->addWidget(word_, 0, 1);
    grid->addWidget(captionFor(this, tr("&Dates:"), dates_), 0, 2);
    grid->addLayout(range, 0, 3, 1, 3);
    grid->addWidget(captionFor(this, tr("&Log books:"), scope_), 0, 6);
    grid->addWidget(scope_, 0, 7);
    grid->addWidget(captionFor(this, tr("Ven&ue:"), venue_), 1, 0);
    grid->addWidget(venue_, 1, 1);
    grid->addWidget(captionFor(this, tr("S&pecies:"), species_), 1, 2);
    grid->addWidget(species_, 1, 3);
    grid->addWidget(captionFor(this, tr("Method:"), method_), 1, 4);
    grid->addWidget(method_, 1, 5);
    grid->addWidget(captionFor(this, tr("Ba&it:"), bait_), 1, 6);
    grid->addWidget(bait_, 1, 7);
    grid->addWidget(captionFor(this, tr("Catc&hes:"), catches_), 2, 0);
    grid->addWidget(catches_, 2, 1);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    grid->setColumnStretch(7, 1);

    connect(word_, &QLineEdit::textChanged, this, [this](const QString& word) {
        matcher_->setWord(matcher_->upperCase(word));
        emit changed();
    });
    connect(dates_, &QComboBox::currentIndexChanged, this, &FilterBar::datesChosen);
    for (QDateEdit* edit : {from_, to_}) {
        connect(edit, &QDateEdit::dateChanged, this, &FilterBar::changed);
    }
    for (QComboBox* list : {venue_, species_, method_, bait_, catches_, scope_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &FilterBar::changed);
    }
}

FilterBar::~FilterBar() = default;

void FilterBar::datesChosen() {
    const bool range = dates_->currentIndex() == kRangeEntry;
    from_->setEnabled(range);
    to_->setEnabled(range);
    emit changed();
}

TripFilter FilterBar::filter() const {
    TripFilter filter;
    filter.word = toFileText(word_->text());
    const int dates = dates_->currentIndex();
    const Date today = dateOf(platform_.now().date());
    if (dates >= 1 && dates <= 3) {
        const QuickDates quick[] = {QuickDates::ThisYear, QuickDates::LastYear,
                                    QuickDates::Last12Months};
        filter.dates = quickDates(quick[dates - 1], today);
    } else if (dates >= kFirstMonthEntry && dates < kRangeEntry) {
        filter.dates.month = dates - kFirstMonthEntry + 1;
    } else if (dates == kRangeEntry) {
        filter.dates.from = dateOf(from_->date());
        filter.dates.to = dateOf(to_->date());
    }
    filter.venue = chosen(venue_);
    filter.species = chosen(species_);
    filter.method = chosen(method_);
    filter.bait = chosen(bait_);
    const CatchChoice catches[] = {CatchChoice::Any, CatchChoice::WithCatch, CatchChoice::Blank};
    filter.catches = catches[std::max(0, catches_->currentIndex())];
    return filter;
}

WordTest FilterBar::wordTest() const {
    const WordMatcher* matcher = matcher_.get();
    return [matcher](std::string_view field) { return matcher->fieldHolds(field); };
}

bool FilterBar::allLogBooks() const {
    return scope_->currentIndex() == 1;
}

void FilterBar::setChoicesFrom(std::span<const TripRef> trips) {
    const std::pair<QComboBox*, Field> lists[] = {{venue_, Field::Venue},
                                                  {species_, Field::Species},
                                                  {method_, Field::Method},
                                                  {bait_, Field::Bait}};
    for (const auto& [list, field] : lists) {
        const QString kept = list->currentIndex() > 0 ? list->currentText() : QString();
        QStringList values;
        for (const std::string& value : valuesPresent(trips, field)) {
            values << fromFileText(value);
        }
        if (!kept.isEmpty() && !values.contains(kept)) values << kept;
        // Refilled without a word to the windows: the filter itself stays as it was.
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItem(tr("Any"));
        list->addItems(values);
        list->setCurrentIndex(kept.isEmpty() ? 0 : static_cast<int>(values.indexOf(kept)) + 1);
    }
}

}  // namespace rodwick::filtering
