// SPDX-License-Identifier: GPL-3.0-or-later
#include "photos_window.h"

#include <QBoxLayout>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QUrl>

#include "no_trip_bar.h"
#include "photo_metadata.h"
#include "photo_view.h"
#include "photos_area.h"
#include "text.h"
#include "windows_locale.h"

namespace rodwick::photos {

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kCaptionRole = Qt::UserRole + 1;
constexpr int kIconEdge = 128;

// Captions are edited in place; the time beneath stays as it is.
class CaptionDelegate : public QStyledItemDelegate {
  public:
    using Commit = std::function<void(const QString& name, const QString& caption)>;
    CaptionDelegate(Commit commit, QObject* parent)
        : QStyledItemDelegate(parent), commit_(std::move(commit)) {}

    // Filled once: a thumbnail arriving while the caption is typed changes its item, and the
    // view would otherwise put the old caption back over what was typed.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (editor->property(kFilled).toBool()) return;
        editor->setProperty(kFilled, true);
        editor->setProperty("text", index.data(kCaptionRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        commit_(index.data(kNameRole).toString(), editor->property("text").toString());
    }

  private:
    static constexpr const char* kFilled = "rodwickCaptionFilled";
    Commit commit_;
};

// A thumbnail's place while it is made, and where a photo gives none.
QIcon placeholder() {
    return QIcon(picturePlace(kIconEdge));
}

QString timeText(const PhotoEntry& photo) {
    return photo.taken ? fromUtf8(formatPhotoTime(*photo.taken))
                       : PhotosWindow::tr("Time not recorded");
}

// What a map shows of a place: OpenStreetMap, in the user's browser.
QString mapLink(double latitude, double longitude) {
    return QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=15/%1/%2")
        .arg(latitude, 0, 'f', 6)
        .arg(longitude, 0, 'f', 6);
}

QString degreesText(double value, char positive, char negative) {
    // The degrees with the decimal sign of the windows' language.
    const QString degrees = windowsSpeakEnglish()
                                ? QString::number(std::abs(value), 'f', 5)
                                : windowsLocale().toString(std::abs(value), 'f', 5);
    return QStringLiteral("%1\u00b0 %2")
        .arg(degrees)
        .arg(QLatin1Char(value < 0 ? negative : positive));
}

}  // namespace

PhotosWindow::PhotosWindow(RecordBook& book, PhotoShelf& shelf, platform::Platform& platform,
                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      book_(book),
      shelf_(shelf),
      platform_(platform),
      loader_(ThumbnailCache::standard(), ThumbnailSize::Normal) {
    setObjectName(QStringLiteral("Photos"));
    setWindowTitle(tr("Photos"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    // Beside the main window on a screen of 1280 pixels.
    resize(600, 420);

    trip_ = new QLabel(this);
    trip_->setObjectName(QStringLiteral("PhotoTrip"));
    trip_->setTextFormat(Qt::PlainText);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("PhotoList"));
    list_->setAccessibleName(tr("Photos of the trip"));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(kIconEdge, kIconEdge));
    list_->setGridSize(QSize(kIconEdge + 32, kIconEdge + 56));
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setWordWrap(true);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    list_->setItemDelegate(new CaptionDelegate(
        [this](const QString& name, const QString& caption) {
            const Status set = shelf_.setCaption(toPath(name), caption.toStdString());
            if (!set.ok())
                tellFailure(tr("The photo could not change the caption: %1."), set.message());
            // After the editor has closed: the list's items are made anew.
            QMetaObject::invokeMethod(this, &PhotosWindow::refresh, Qt::QueuedConnection);
        },
        list_));

    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("PhotoPlace"));
    place_->setTextFormat(Qt::RichText);
    place_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    place_->setOpenExternalLinks(false);
    connect(place_, &QLabel::linkActivated, this, [this](const QString& link) {
        platform_.startProgram(QStringLiteral("xdg-open"), {link});
    });

    add_ = new QPushButton(tr("&Add Photos..."), this);
    add_->setObjectName(QStringLiteral("PhotoAdd"));
    remove_ = new QPushButton(tr("&Remove"), this);
    remove_->setObjectName(QStringLiteral("PhotoRemove"));
    cover_ = new QPushButton(tr("Set as &Cover"), this);
    cover_->setObjectName(QStringLiteral("PhotoCover"));
    connect(add_, &QPushButton::clicked, this, &PhotosWindow::addPhotos);
    connect(remove_, &QPushButton::clicked, this, &PhotosWindow::removeSelected);
    connect(cover_, &QPushButton::clicked, this, &PhotosWindow::setSelectedAsCover);

    noTrip_ = new NoTripBar(book_, shelf_, this);
    connect(noTrip_, &NoTripBar::showingChanged, this, &PhotosWindow::refresh);
    connect(noTrip_, &NoTripBar::failed, this, [this](const QString& reason) {
        tellFailure(tr("The photo could not be linked to its trip: %1."), toPath(reason));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addWidget(cover_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(trip_);
    layout->addWidget(list_, 1);
    layout->addWidget(noTrip_);
    layout->addWidget(place_);
    layout->addLayout(buttons);
    setTabOrder(list_, noTrip_);
    setTabOrder(noTrip_, add_);
    setTabOrder(add_, remove_);
    setTabOrder(remove_, cover_);

    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openLarge(list_->row(item)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        showPlace();
        updateButtons();
        noTrip_->offerFor(selectedName());
    });
    connect(&loader_, &ThumbnailLoader::thumbnailReady, this, &PhotosWindow::showThumbnail);

    subscription_ = book_.subscribe([this](const RecordBook::Changes& changes) {
        if (changes.records || changes.currentRecord || changes.fileName || changes.history)
            refresh();
    });
    shelfSubscription_ = shelf_.subscribe([this] { refresh(); });
    refresh();
}

PhotosWindow::~PhotosWindow() = default;

QStringList PhotosWindow::shownNames() const {
    QStringList names;
    for (const PhotoEntry& photo : shown_) names << fromPath(photo.name);
    return names;
}

QString PhotosWindow::selectedName() const {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(shown_.size())
               ? fromPath(shown_[static_cast<std::size_t>(row)].name)
               : QString();
}

QString PhotosWindow::spokenText(int row) const {
    const QListWidgetItem* item = list_->item(row);
    return item ? item->data(Qt::AccessibleTextRole).toString() : QString();
}

void PhotosWindow::refresh() {
    const QString keep = selectedName();
    const int current = book_.currentRecord();
    std::vector<PhotoEntry> noTrip = shelf_.photosOfNoTrip();
    noTrip_->setCount(static_cast<int>(noTrip.size()));
    if (noTrip_->showing()) {
        shown_ = std::move(noTrip);
        trip_->setText(
            tr("Photos of no trip: their trip was changed outside this program. Choose the trip "
               "each is of."));
    } else if (current > 0) {
        shown_ = shelf_.photosOf(current);
        const TripRecord& trip = book_.current();
        trip_->setText(tr("Trip %1 of %2: %3, %4")
                           .arg(current)
                           .arg(book_.recordCount())
                           .arg(fromFileText(trip[Field::Venue]).trimmed(),
                                fromFileText(trip[Field::Date]).trimmed()));
    } else {
        shown_.clear();
        trip_->setText(tr("No trip is shown."));
    }

    const QSignalBlocker quiet(list_);
    list_->clear();
    QStringList paths;
    for (const PhotoEntry& photo : shown_) {
        const QString caption = fromUtf8(photo.caption);
        auto* item = new QListWidgetItem(placeholder(),
                                         (photo.cover ? QStringLiteral("\u2605 ") : QString()) +
                                             caption + u'\n' + timeText(photo),
                                         list_);
        item->setData(kNameRole, fromPath(photo.name));
        item->setData(kCaptionRole, caption);
        item->setData(Qt::AccessibleTextRole, caption + QStringLiteral(", ") + timeText(photo) +
                                                  (photo.cover ? tr(", cover") : QString()));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        paths << fromPath(shelf_.pathOf(photo.name));
    }
    int row = 0;
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->data(kNameRole).toString() == keep) row = i;
    }
    if (list_->count() > 0) list_->setCurrentRow(row);
    loader_.load(paths);
    showPlace();
    updateButtons();
    noTrip_->offerFor(selectedName());
}

void PhotosWindow::showThumbnail(int row, const QImage& thumbnail, const QString& reason) {
    QListWidgetItem* item = list_->item(row);
    if (item == nullptr) return;
    if (thumbnail.isNull()) {
        item->setToolTip(reason);
        return;
    }
    item->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
}

void PhotosWindow::showPlace() {
    const QString name = selectedName();
    place_->clear();
    if (name.isEmpty()) return;
    const auto metadata = readPhotoMetadata(fromPath(shelf_.pathOf(toPath(name))));
    if (!metadata.ok() || !metadata.value().position) return;
    const GeoPosition& at = *metadata.value().position;
    place_->setText(tr("Taken at %1, %2 <a href=\"%3\">Show on a map</a>")
                        .arg(degreesText(at.latitude, 'N', 'S'),
                             degreesText(at.longitude, 'E', 'W'),
                             mapLink(at.latitude, at.longitude).toHtmlEscaped()));
}

void PhotosWindow::updateButtons() {
    // Photos of no trip are linked, not added to or made a cover.
    const bool trip = book_.currentRecord() > 0 && !noTrip_->showing();
    const bool photo = !selectedName().isEmpty();
    add_->setEnabled(trip);
    remove_->setEnabled(photo);
    cover_->setEnabled(photo && trip);
}

void PhotosWindow::tellFailure(const QString& message, const std::string& reason) {
    platform_.showMessage({message.arg(fromPath(reason)), tr("Photos"), platform::Buttons::Ok,
                           platform::Icon::Exclamation});
}

void PhotosWindow::addPhotos() {
    if (book_.currentRecord() < 1) return;
    addFiles(platform_.openFilesDialog(photoFileDialog(tr("Add Photos"))));
}

void PhotosWindow::addFiles(const QStringList& paths) {
    const int record = book_.currentRecord();
    if (record < 1 || paths.isEmpty() || noTrip_->showing()) return;
    const auto added = shelf_.addPhotos(record, pickedPhotos(paths));
    if (!added.ok()) tellFailure(tr("The photo could not be added: %1."), added.error());
    refresh();
}

void PhotosWindow::removeSelected() {
    const QString name = selectedName();
    if (name.isEmpty()) return;
    const Status removed = removePhoto(book_, shelf_, toPath(name));
    if (!removed.ok()) tellFailure(tr("The photo could not be removed: %1."), removed.message());
    refresh();
}

void PhotosWindow::setSelectedAsCover() {
    const QString name = selectedName();
    if (name.isEmpty()) return;
    const Status set = shelf_.setCover(toPath(name), true);
    if (!set.ok()) tellFailure(tr("The photo could not be made the cover: %1."), set.message());
    refresh();
}

void PhotosWindow::openLarge(int row) {
    if (row < 0 || row >= static_cast<int>(shown_.size())) return;
    QStringList paths;
    QStringList captions;
    for (const PhotoEntry& photo : shown_) {
        paths << fromPath(shelf_.pathOf(photo.name));
        captions << fromUtf8(photo.caption);
    }
    PhotoView view(paths, captions, row, this);
    platform_.showModal(view);
    list_->setCurrentRow(view.current());
}

void PhotosWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && book_.currentRecord() > 0 && !noTrip_->showing())
        event->acceptProposedAction();
}

void PhotosWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && looksLikePhoto(toPath(QFileInfo(url.toLocalFile()).fileName())))
            paths << url.toLocalFile();
    }
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    addFiles(paths);
}

bool PhotosWindow::eventFilter(QObject* watched, QEvent* event) {
    // Delete on the list removes the photo chosen, as the Remove button does.
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace rodwick::photos
