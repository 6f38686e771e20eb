// SPDX-License-Identifier: GPL-3.0-or-later
// Every window read under the light palette and under a dark one, as a dark desktop theme
// gives it: each text keeps 4.5:1 against what is behind it, each chart series 3:1 against its
// plot (the WCAG AA rules for text and for other things seen).
#include <QAbstractBarSeries>
#include <QAbstractItemView>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLegend>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSet>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <map>

#include "quick_edit_dialog.h"
#include "rodwick_test/main_window_fixture.h"
#include "splash_screen.h"

namespace rodwick::testing {
namespace {

double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark theme as desktops give it; greyed texts stay grey.
QPalette darkPalette() {
    QPalette p(QColor(0x35, 0x35, 0x35));  // light, mid and dark shades made from the button
    const QColor window(0x35, 0x35, 0x35), grey(0x80, 0x80, 0x80), blue(0x2a, 0x82, 0xda);
    // clang-format off
    for (auto [role, colour] : {std::pair{QPalette::Window, window}, {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(0x23, 0x23, 0x23)}, {QPalette::AlternateBase, window},
             {QPalette::ToolTipBase, window}, {QPalette::ToolTipText, Qt::white},
             {QPalette::Text, Qt::white}, {QPalette::Button, window}, {QPalette::ButtonText, Qt::white},
             {QPalette::BrightText, Qt::red}, {QPalette::Link, blue}, {QPalette::Highlight, blue},
             {QPalette::HighlightedText, Qt::white}, {QPalette::PlaceholderText, grey}}) {
        p.setColor(role, colour);
    }
    // clang-format on
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, grey);
    }
    return p;
}

// The palette the program starts with, kept before any test changes it.
QPalette lightPalette() {
    static const QPalette kStarting = QApplication::palette();
    return kStarting;
}

std::string hex(const QColor& c) {
    return c.name().toStdString();
}

// The places where a widget draws text, in its own coordinates; none where it shows no text.
// Greyed controls are left out: the rule exempts what cannot be used.
std::vector<QRect> textAreas(QWidget& w) {
    if (!w.isEnabled()) return {};
    QStyleOptionButton option;
    option.initFrom(&w);
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        if (!label->text().isEmpty()) return {label->contentsRect()};
    } else if (auto* button = qobject_cast<QAbstractButton*>(&w);
               button && !button->text().isEmpty()) {
        option.text = button->text();
        const QStyle::SubElement part = qobject_cast<QCheckBox*>(&w) ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<QRadioButton*>(&w)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_PushButtonContents;
        return {w.style()->subElementRect(part, &option, &w)};
    } else if (auto* group = qobject_cast<QGroupBox*>(&w); group && !group->title().isEmpty()) {
        return {QRect(0, 0, w.width(), w.fontMetrics().height())};
    } else if (auto* edit = qobject_cast<QLineEdit*>(&w); edit && !edit->text().isEmpty()) {
        return {edit->contentsRect()};
    } else if (auto* combo = qobject_cast<QComboBox*>(&w);
               combo && !combo->isEditable() && !combo->currentText().isEmpty()) {
        return {combo->contentsRect()};
    } else if (auto* tabs = qobject_cast<QTabBar*>(&w)) {
        std::vector<QRect> areas;
        for (int i = 0; i < tabs->count(); ++i) areas.push_back(tabs->tabRect(i));
        return areas;
    } else if (auto* bar = qobject_cast<QMenuBar*>(&w)) {
        std::vector<QRect> areas;
        for (QAction* action : bar->actions()) areas.push_back(bar->actionGeometry(action));
        return areas;
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w.parentWidget());
               view && &w == view->viewport() && view->model()) {
        // A header shows its sections even where the table has no rows yet.
        const bool header = qobject_cast<QHeaderView*>(view) && view->model()->columnCount() > 0;
        if (header || view->model()->rowCount() > 0) return {w.rect()};
    }
    return {};
}

// Measures what is drawn rather than what the palettes say, so that a colour painted by hand,
// a style's own shading or a parent's background are all seen: in each place where a widget
// draws text the most common colour is the background, and the pixel of greatest contrast with
// it the text. Antialiasing only lightens a glyph's edges, and every text holds some pixels of
// its full colour (stems), so this finds the text's own colour; a selection's or a focus
// frame's colours are less common than the background and never chosen as it.
void expectReadable(QWidget& window, const std::string& name) {
    window.show();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        for (const QRect& area : textAreas(*w)) {
            const QRect inside = QRect(w->mapTo(&window, area.topLeft()), area.size()) &
                                 QRect(w->mapTo(&window, QPoint()), w->size()) & image.rect();
            if (inside.isEmpty()) continue;
            std::map<QRgb, int> counts;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y)];
            }
            const QColor back =
                std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first;
            QColor text = back;
            for (const auto& entry : counts) {
                if (contrast(QColor(entry.first), back) > contrast(text, back)) text = entry.first;
            }
            EXPECT_GE(contrast(text, back), 4.5)
                << name << ": " << w->objectName().toStdString() << " ("
                << w->metaObject()->className() << ") " << hex(text) << " on " << hex(back);
        }
    }
}

// The colours a brush paints: its one colour, or each stop of its gradient.
std::vector<QColor> coloursOf(const QBrush& brush) {
    if (brush.gradient() == nullptr) return {brush.color()};
    std::vector<QColor> colours;
    for (const auto& stop : brush.gradient()->stops()) colours.push_back(stop.second);
    return colours;
}

// A chart is drawn from its own brushes, not the widget palette: read them.
void expectReadable(const QChart& chart, const std::string& name) {
    const auto check = [&](const QBrush& front, const QBrush& back, double least,
                           const char* what) {
        for (const QColor& f : coloursOf(front)) {
            for (const QColor& b : coloursOf(back)) {
                EXPECT_GE(contrast(f, b), least)
                    << name << ": " << what << " " << hex(f) << " on " << hex(b);
            }
        }
    };
    const QBrush background = chart.backgroundBrush();
    // The chart sits in its window as one of its own, dark in a dark window.
    const bool darkWindow = luminance(QApplication::palette().color(QPalette::Window)) < 0.18;
    for (const QColor& b : coloursOf(background)) {
        EXPECT_EQ(luminance(b) < 0.18, darkWindow) << name << ": chart background " << hex(b);
    }
    const QBrush plot =
        chart.isPlotAreaBackgroundVisible() ? chart.plotAreaBackgroundBrush() : background;
    if (chart.legend()->isVisible()) check(chart.legend()->labelBrush(), background, 4.5, "legend");
    for (const QAbstractAxis* axis : chart.axes()) {
        if (axis->labelsVisible()) check(axis->labelsBrush(), background, 4.5, "axis labels");
        if (!axis->titleText().isEmpty()) check(axis->titleBrush(), background, 4.5, "axis title");
    }
    for (QAbstractSeries* series : chart.series()) {
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            for (const QBarSet* set : bars->barSets()) check(set->brush(), plot, 3.0, "bars");
        }
        if (auto* points = qobject_cast<QScatterSeries*>(series)) {
            check(points->brush(), plot, 3.0, "points");
        }
    }
}

using PaletteCase = std::pair<const char*, QPalette (*)()>;

class ContrastTest : public MainWindowTest, public ::testing::WithParamInterface<PaletteCase> {
  protected:
    void SetUp() override {
        lightPalette();
        QApplication::setPalette(GetParam().second());
    }
    void TearDown() override {
        QApplication::setPalette(lightPalette());
        MainWindowTest::TearDown();
    }
    std::string named(const char* window) { return std::string(GetParam().first) + " " + window; }

    // Measures the modal dialog a menu command opens, and closes it.
    void measureDialog(const char* window, const char* command, bool withPicker = false) {
        platform_.answerModal([&](QDialog& dialog) {
            expectReadable(dialog, named(window));
            if (withPicker) {
                platform_.answerModal([&](QDialog& picker) {
                    expectReadable(picker, named("species picker"));
                    return static_cast<int>(QDialog::Rejected);
                });
                child<QPushButton>(dialog, "select")->click();
            }
            return static_cast<int>(QDialog::Rejected);
        });
        action(command)->trigger();
    }
};

const char* const kDialogs[][2] = {
    {"find", "MnuFind"},   {"goto", "MnuGoto"},       {"export", "MnuExp"},
    {"print", "MnuPrint"}, {"copy", "MnuCopy"},       {"preferences", "MnuPref"},
    {"about", "MnuAbo"},   {"backups", "MnuBackups"}, {"spreadsheet import", "MnuCsvImp"}};

TEST_P(ContrastTest, EveryWindowKeepsItsTextsReadable) {
    const std::string path = dir_.file("EXAMPLE.RWK");
    writeBytes(path, readBytes(RODWICK_EXAMPLE_FILE));
    ASSERT_TRUE(book_.load(path).ok());
    // A save keeps the file it replaces, so the backups dialog has a row to show.
    action("MnuSave")->trigger();
    // The value being edited in place is drawn in the selection colours.
    QLabel* venue = find<QLabel>("obVen");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(venue, &focusIn);
    expectReadable(window_, named("main"));

    measureDialog("record editor", "MnuEdit", true);
    platform_.answerOpenDialog(QString::fromStdString(dir_.file("trips.csv")));
    writeBytes(dir_.file("trips.csv"), "Venue,Method\r\nMill Pond,Float\r\n");
    for (const auto& [window, command] : kDialogs) measureDialog(window, command);

    QuickEditDialog quick(book_, platform_, window_, quickEditRowFor(Field::Temperature), &window_);
    quick.load();
    expectReadable(quick, named("quick edit"));
    {
        SplashScreen splash(platform_, window_);
        expectReadable(splash, named("splash"));
    }

    // The statistics on each of their pages, nested pages included, with their charts.
    QSet<const QChartView*> chartsMeasured;
    for (const char* command : {"MnuStats", "MnuTrips"}) action(command)->trigger();
    for (QWidget* shown : platform_.modelessShown) {
        auto tabs = shown->findChildren<QTabWidget*>();
        if (tabs.isEmpty()) expectReadable(*shown, named(qPrintable(shown->objectName())));
        for (QTabWidget* pages : tabs) {
            // A nested page is seen only while the pages holding it are.
            for (QWidget* p = pages; p != shown; p = p->parentWidget()) {
                if (auto* outer = qobject_cast<QTabWidget*>(p->parentWidget()->parentWidget())) {
                    outer->setCurrentWidget(p);
                }
            }
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                const std::string where = named(qPrintable(pages->tabText(page)));
                expectReadable(*shown, where);
                for (QChartView* view : pages->currentWidget()->findChildren<QChartView*>()) {
                    if (!view->isVisibleTo(shown)) continue;
                    expectReadable(*view->chart(), where);
                    chartsMeasured.insert(view);
                }
            }
        }
        shown->close();
    }
    EXPECT_EQ(chartsMeasured.size(), 8);  // each page of what works and the months
    // The desktop changing its theme while the statistics are open: their charts follow.
    action("MnuStats")->trigger();
    QApplication::setPalette(GetParam().second == darkPalette ? lightPalette() : darkPalette());
    QCoreApplication::processEvents();  // the change reaches the widgets as posted events
    for (QChartView* view : platform_.modelessShown.back()->findChildren<QChartView*>()) {
        expectReadable(*view->chart(), named("after a change of theme"));
    }
    EXPECT_TRUE(platform_.allAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, ContrastTest,
                         ::testing::Values(PaletteCase{"light", lightPalette},
                                           PaletteCase{"dark", darkPalette}),
                         [](const auto& info) { return std::string(info.param.first); });

}  // namespace
}  // namespace rodwick::testing
