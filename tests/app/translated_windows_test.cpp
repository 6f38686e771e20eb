// SPDX-License-Identifier: GPL-3.0-or-later
// Every window built under each language the program speaks: no caption cut off by the space
// it has, and, under a translator that marks what it gives, no caption that missed the
// translation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "about_dialog.h"
#include "backups_dialog.h"
#include "copy_dialog.h"
#include "csv_import_window.h"
#include "export_dialog.h"
#include "find_dialog.h"
#include "goto_dialog.h"
#include "language_dialog.h"
#include "main_window.h"
#include "other_trip_window.h"
#include "photo_shelf.h"
#include "photo_view.h"
#include "photos_window.h"
#include "preferences_dialog.h"
#include "print_dialog.h"
#include "quick_edit_dialog.h"
#include "record_book.h"
#include "record_editor.h"
#include "rodwick_test/example_trips.h"
#include "rodwick_test/marking_translator.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"
#include "search_walk.h"
#include "species_picker.h"
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
    std::unique_ptr<MainWindow> main;

    // The main window, holding three trips with the second shown, for the windows opened on
    // its current record.
    MainWindow& mainWindow() {
        if (!main) {
            EXPECT_TRUE(book.replaceRecords(trips(1, 3)).ok());
            EXPECT_TRUE(book.show(2));
            main = std::make_unique<MainWindow>(book, platform);
        }
        return *main;
    }
};

// The main window's controls that show data, names or marks rather than words: the values,
// the unit names, the clock, the program's and its maker's names and version, the degree mark.
const std::set<QString> kMainWindowData = {
    "obVen",     "ObType",  "ObDay",    "ObClub",   "ObWeighta", "ObWeightb", "ObWater",
    "ObWeather", "ObTemp",  "ObMethod", "ObDepthA", "ObDepthB",  "ObBait",    "ObSpec",
    "ObName",    "ObBestA", "ObBestB",  "ObRest",   "ObInfo",    "ObDat",     "ObTime1",
    "ObTime2",   "mesw1",   "mesw2",    "mesw3",    "mesw4",     "mesl1",     "mesl2",
    "ctim",      "ena",     "Label2",   "Label3",   "Label4",    "Label24"};

// The record editor's and the quick edit's: the unit names, the degree mark, + and -.
const std::set<QString> kEditorMarks = {"Label6",  "Label7",  "Label14", "Label15",
                                        "Label20", "Label21", "Label11", "LabCel",
                                        "less",    "more",    "cless",   "cmore"};

std::unique_ptr<QWidget> quickEdit(Parts& p, Field field) {
    MainWindow& main = p.mainWindow();
    auto dialog =
        std::make_unique<QuickEditDialog>(p.book, p.platform, main, quickEditRowFor(field));
    dialog->load();
    return dialog;
}

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
        {"main window",
         [](Parts& p) {
             p.mainWindow();
             return std::unique_ptr<QWidget>(std::move(p.main));
         },
         kMainWindowData},
        {"record editor",
         [](Parts& p) {
             MainWindow& main = p.mainWindow();
             auto editor =
                 std::make_unique<RecordEditor>(p.book, p.platform, main, EditorMode::Edit);
             editor->load();
             return editor;
         },
         kEditorMarks},
        {"quick edit of a date", [](Parts& p) { return quickEdit(p, Field::Date); }, kEditorMarks},
        {"quick edit of a number", [](Parts& p) { return quickEdit(p, Field::Temperature); },
         kEditorMarks},
        {"quick edit of a list", [](Parts& p) { return quickEdit(p, Field::Weather); },
         kEditorMarks},
        {"species picker",
         [](Parts& p) {
             auto picker = std::make_unique<SpeciesPicker>(p.book, p.platform);
             picker->load();
             return picker;
         }},
        {"backups",
         [](Parts&) -> std::unique_ptr<QWidget> {
             // The longest row the list shows: a conflict copy's.
             return makeBackupsDialog(nullptr, {Backup{.path = "a/TRIPS-20260105-101500.RWK",
                                                       .stamp = "20260105-101500",
                                                       .trips = 12,
                                                       .size = 4096,
                                                       .conflictCopy = true}});
         }},
        {"export", [](Parts& p) { return std::make_unique<ExportDialog>(p.book, p.platform); }},
        {"print", [](Parts& p) { return std::make_unique<PrintDialog>(p.book, p.platform); }},
        {"copy", [](Parts& p) { return std::make_unique<CopyDialog>(p.book, p.platform); }},
        {"csv import",
         [](Parts& p) {
             // A file with a row of another width, a character the log book cannot hold and a
             // weight of the other unit system: every line of the summary shows.
             static const std::string kFile =
                 "Venue,Weight,Remarks\r\nCanal,2 kg,\xE2\x86\x92\r\nLake\r\n";
             return std::make_unique<CsvImportWindow>(kFile, UnitNames::imperial(), 250,
                                                      p.platform);
         }},
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
    // The menus and their entries; the opened files' list names files.
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        check(*menu, menu->title());
        for (const QAction* entry : menu->actions()) {
            if (entry->isSeparator() || entry->objectName() == QLatin1String("mnufilearray"))
                continue;
            check(*entry, entry->text());
        }
    }
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

// The check sees what a translation too long for the main window's fixed places does: the
// marked captions are longer than any language's, and the day ticket's, at the window's edge,
// must come out cut rather than hidden under its box.
TEST(TranslatedWindows, ACaptionTooLongForItsPlaceIsSeenCut) {
    MarkingTranslator marking;
    Parts parts;
    std::unique_ptr<MainWindow> window(&parts.mainWindow());
    parts.main.release();
    window->show();
    QCoreApplication::sendPostedEvents();
    const QStringList cut = cutCaptions(*window);
    EXPECT_TRUE(cut.contains(QStringLiteral("Label6: [Fields]Day Ticket \u00a3")))
        << cut.join(u'|').toStdString();
}

}  // namespace
}  // namespace rodwick::testing
