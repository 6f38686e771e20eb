// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "photo_shelf.h"
#include "platform.h"
#include "record_book.h"
#include "thumbnail_loader.h"

class QLabel;
class QPushButton;

namespace rodwick::photos {

class NoTripBar;

// The photos of the trip shown in the main window, as thumbnails with their captions and the
// time each was taken: added from a file dialog or dropped from a file manager, removed (to
// the backups; Edit, Undo brings a photo back), made the trip's cover, captioned in place, and
// opened large. It follows the current trip as the statistics window follows the records, and
// the shelf as it takes in another machine's photos. While the log book has photos of no trip,
// a bar under the list shows them and links each to its trip again.
class PhotosWindow : public QWidget {
    Q_OBJECT

  public:
    PhotosWindow(RecordBook& book, PhotoShelf& shelf, platform::Platform& platform,
                 QWidget* parent = nullptr);
    ~PhotosWindow() override;

    QListWidget& list() const { return *list_; }
    // The photos shown, in their order: their names in the photos' folder.
    QStringList shownNames() const;
    // Picks photos with the file dialog and adds them to the trip shown.
    void addPhotos();
    // Adds the files given (a drop) to the trip shown; those that are no picture are left.
    void addFiles(const QStringList& paths);
    void removeSelected();
    void setSelectedAsCover();
    // Opens the photo at row large, fitted to its window; Left and Right go to the next.
    void openLarge(int row);
    // The photo at row as assistive technologies read it: its caption and time.
    QString spokenText(int row) const;
    // The trip's photos again, from the shelf; the selection kept on its photo.
    void refresh();

    // Rows of thumbnails still to come.
    int thumbnailsPending() const { return loader_.pending(); }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showThumbnail(int row, const QImage& thumbnail, const QString& reason);
    void showPlace();
    void updateButtons();
    QString selectedName() const;
    // message holds %1 for the reason.
    void tellFailure(const QString& message, const std::string& reason);

    RecordBook& book_;
    PhotoShelf& shelf_;
    platform::Platform& platform_;
    QLabel* trip_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* place_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* cover_ = nullptr;
    NoTripBar* noTrip_ = nullptr;
    std::vector<PhotoEntry> shown_;
    ThumbnailLoader loader_;
    Notifier::Subscription shelfSubscription_;
    // Last member: ends before the widgets it redraws.
    RecordBook::Subscription subscription_;
};

}  // namespace rodwick::photos
