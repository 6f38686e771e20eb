// SPDX-License-Identifier: GPL-3.0-or-later
// Every window built under each language the program speaks: no caption cut off by the space
// it has, and, under a translator that marks what it gives, no caption that missed the
// translation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "about_dialog.h"
#include "find_dialog.h"
#include "goto_dialog.h"
#include "language_dialog.h"
#include "other_trip_window.h"
#include "photo_shelf.h"
#include "photo_view.h"
#include "photos_window.h"
#include "preferences_dialog.h"
#include "record_book.h"
#include "rodwick_test/example_trips.h"
#include "rodwick_test/marking_translator.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "search_walk.h"
#include "statistics_window.h"
#include "translation.h"
#include "trip_list_window.h"

namespace rodwick::testing {
namespace {

// What every window is built from.
struct Parts {
    RecordBook book;
    ScriptedPlatform platform;
    SearchWalk walk;
    TempDir dir;
    PhotoShelf shelf{book, {.untitled = dir.file("untitled"), .backups = dir.file("backups")}};
};

// The windows over trips are built over the example log book, so that their figures, notes and
// lines of counts show.
RecordBook& withTrips(Parts& p) {
    EXPECT_TRUE(p.book.replaceRecords(exampleTrips()).ok());
    return p.book;
}

// The window another log book's trip opens in, taken from the window it was opened beside.
std::unique_ptr<QWidget> otherTripWindow(Parts& p) {
    QWidget beside;
    const std::vector<TripRecord> trips = exampleTrips();
    filtering::showOtherTrip(p.platform, beside, "OTHER.RWK", {&trips[0], 1, 3},
                             UnitNames::imperial());
    auto* window = beside.findChild<QWidget*>(QStringLiteral("OtherTripWindow"));
    if (window == nullptr) return std::make_unique<QWidget>();
    window->setParent(nullptr);
    return std::unique_ptr<QWidget>(window);
}

// One window: how to build it, and the controls whose text is no caption of ours (data, the
// names of languages in their own words, the maker's name).
struct Window {
    const char* name;
    std::function<std::unique_ptr<QWidget>(Parts&)> make;
    std::set<QString> notTranslated = {};
};

const std::vector<Window>& windows() {
    static const std::vector<Window> kWindows = {
        {"preferences",
         [](Parts& p) { return std::make_unique<PreferencesDialog>(p.book, p.platform); },
         {"file"}},
        {"about", [](Parts& p) { return std::make_unique<AboutDialog>(p.platform); }, {"Label1"}},
        {"language",
         [](Parts& p) {
             return std::make_unique<LanguageDialog>(p.platform, std::string(),
                                                     QStringLiteral("de"));
         },
         {"LanguageEnglish", "LanguageGerman", "LanguageFrench"}},
        {"find", [](Parts& p) { return std::make_unique<FindDialog>(p.walk, p.platform); }},
        {"goto", [](Parts& p) { return std::make_unique<GotoDialog>(p.book, p.platform); }},
        {"statistics",
         [](Parts& p) {
             return std::make_unique<stats::StatisticsWindow>(withTrips(p), p.platform, nullptr);
         }},
        {"trip list",
         [](Parts& p) {
             return std::make_unique<trips::TripListWindow>(withTrips(p), p.platform,
                                                            p.dir.file("windows.conf"), nullptr);
         }},
        {"photos",
         [](Parts& p) {
             return std::make_unique<photos::PhotosWindow>(withTrips(p), p.shelf, p.platform);
         }},
        // The picture's place tells why a photo cannot be shown, in the media libraries' words.
        {"large view",
         [](Parts& p) {
             return std::make_unique<photos::PhotoView>(
                 QStringList{QString::fromStdString(p.dir.file("missing.jpg"))},
                 QStringList{QStringLiteral("Pike")}, 0);
         },
         {"PhotoPicture"}},
        // The trip's text is the trip's own.
        {"other trip", otherTripWindow},
    };
    return kWindows;
}

QString withoutAccessKey(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size()) break;
        shown += caption[i];
    }
    return shown;
}

// The captions of a window that do not fit the space their control has, as "name: text".
QStringList cutCaptions(const QWidget& window) {
    QStringList cut;
    const auto note = [&cut](const QWidget& control, const QString& text) {
        cut << control.objectName() + QStringLiteral(": ") + text;
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                note(*label, label->text());
        } else if (label->sizeHint().width() > label->width() ||
                   label->sizeHint().height() > label->height()) {
            note(*label, label->text());
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty()) continue;
        const int text =
            QFontMetrics(button->font()).horizontalAdvance(withoutAccessKey(button->text()));
        // A push button's frame and padding; an option's or check box's mark beside its words.
        const bool fits = qobject_cast<const QPushButton*>(button)
                              ? text + 8 <= button->width()
                              : button->sizeHint().width() <= button->width();
        if (!fits) note(*button, button->text());
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (!group->isVisibleTo(&window) || group->title().isEmpty()) continue;
        if (QFontMetrics(group->font()).horizontalAdvance(withoutAccessKey(group->title())) + 16 >
            group->width())
            note(*group, group->title());
    }
    return cut;
}

// The captions shown that did not come through the translation, as "name: text".
QStringList unmarkedCaptions(const QWidget& window, const std::set<QString>& notTranslated) {
    QStringList unmarked;
    const auto check = [&](const QObject& control, const QString& text) {
        if (text.isEmpty() || text.startsWith(QLatin1Char('[')) ||
            notTranslated.count(control.objectName()) > 0)
            return;
        unmarked << control.objectName() + QStringLiteral(": ") + text;
    };
    check(window, window.windowTitle());
    for (const QLabel* label : window.findChildren<QLabel*>()) check(*label, label->text());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        check(*button, button->text());
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) check(*group, group->title());
    return unmarked;
}

class TranslatedWindows : public ::testing::TestWithParam<const char*> {
  protected:
    ~TranslatedWindows() override { installTranslations(QStringLiteral("en")); }
};

TEST_P(TranslatedWindows, NoCaptionIsCutOff) {
    ASSERT_TRUE(installTranslations(QString::fromLatin1(GetParam())));
    for (const Window& w : windows()) {
        Parts parts;
        const std::unique_ptr<QWidget> window = w.make(parts);
        // Placed as it will be when shown: a window of layouts sizes its controls then, and the
        // pages of a window of tabs lay out their own controls only once they are shown.
        if (window->layout() != nullptr) window->layout()->activate();
        window->show();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(cutCaptions(*window), QStringList()) << w.name;
    }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, TranslatedWindows, ::testing::Values("en", "de", "fr"));

TEST(TranslatedWindows, EveryCaptionGoesThroughTheTranslation) {
    MarkingTranslator marking;
    for (const Window& w : windows()) {
        Parts parts;
        const std::unique_ptr<QWidget> window = w.make(parts);
        EXPECT_EQ(unmarkedCaptions(*window, w.notTranslated), QStringList()) << w.name;
    }
}

}  // namespace
}  // namespace rodwick::testing
