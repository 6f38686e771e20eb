// The File menu: New, Open, Save, Save As, Merge, Exit and the list of opened files, with
// the load, save and merge routines and the title that carries the file's state.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "database_file.h"
#include "form1.h"
#include "text.h"

namespace rodwick {

namespace {

const QString kTitlePrefix = QStringLiteral("Rodwick DB: ");

// Open, Save As and Merge all offer database files first.
platform::FileDialogOptions DatabaseDialog(const QString& title = QString()) {
    return {QStringLiteral("Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*"), 1, title,
            QStringLiteral("RWK")};
}

// A path shown as a menu caption: '&' would otherwise be taken as an access key.
QString MenuCaptionFor(const QString& path) {
    QString caption = path;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

}  // namespace

void form1::connectFileCommands() {
    connect(menuEntry("MnuNew"), &QAction::triggered, this, [this] { MnuNew_Click(); });
    connect(menuEntry("MnuOpen"), &QAction::triggered, this, [this] { MnuOpen_Click(); });
    connect(menuEntry("MnuSave"), &QAction::triggered, this, [this] { MnuSave_Click(); });
    connect(menuEntry("MnuSas"), &QAction::triggered, this, [this] { MnuSas_Click(); });
    connect(menuEntry("MnuMer"), &QAction::triggered, this, [this] { MnuMer_Click(); });
    connect(menuEntry("MnuExit"), &QAction::triggered, this, [this] { MnuExit_Click(); });
}

void form1::DrawTitle() {
    setWindowTitle(busyTitle_.isEmpty() ? kTitlePrefix + FromPath(titleFileName_) : busyTitle_);
}

void form1::ShowBusyTitle(const QString& text) {
    busyTitle_ = text;
    DrawTitle();
}

void form1::ShowFileTitle() {
    busyTitle_.clear();
    DrawTitle();
}

void form1::LoadDatabase(const std::string& path) {
    RecordTable& table = state_.table;
    std::string previousFileName = table.currentFileName();
    table.setCurrentFileName(path);
    platform_.setBusyPointer(true);
    ShowBusyTitle(QStringLiteral("Loading. Please wait..."));

    if (!FileExists(path)) {
        // Nothing to read: the table stays and the name goes back to the one the title shows.
        table.setCurrentFileName(titleFileName_);
    } else {
        // Read into a scratch list first, so that a file that fails half-way leaves the
        // records held before it as they were.
        Result<std::vector<TripRecord>> records = ReadDatabaseFile(path);
        if (records.ok() && table.ReplaceFromFile(records.value())) {
            SetRecordCommands(true);
            titleFileName_ = path;
            ShowCurrentRecord();
        } else {
            table.setCurrentFileName(std::move(previousFileName));
        }
    }

    ShowFileTitle();
    platform_.setBusyPointer(false);
    SetRecordCommands(table.recordCount() > 0);
}

bool form1::SaveDatabase() {
    const RecordTable& table = state_.table;
    platform_.setBusyPointer(true);
    ShowBusyTitle(QStringLiteral("Saving. Please wait..."));
    const Status saved = SaveDatabaseFile(table.currentFileName(), table);
    platform_.setBusyPointer(false);
    ShowFileTitle();
    if (saved.ok()) return true;

    // Unlike the other file failures this one is reported: a save that fails silently
    // loses the user's work without warning.
    platform_.showMessage({QStringLiteral("Could not save the database to ") +
                               FromPath(table.currentFileName()) + QStringLiteral(": ") +
                               QString::fromStdString(saved.message()) +
                               QStringLiteral(". The file on disk was not changed."),
                           QStringLiteral("Save"), platform::Buttons::Ok, platform::Icon::Stop});
    return false;
}

void form1::MergeDatabase(const std::string& path) {
    RecordTable& table = state_.table;
    if (!FileExists(path)) return;
    Result<std::vector<TripRecord>> records = ReadDatabaseFile(path);
    if (!records.ok()) return;
    if (!table.AppendRecords(records.value())) return;
    ShowCurrentRecord();
    if (table.recordCount() > 0) SetRecordCommands(true);
}

void form1::AddToFileList() {
    mnufilearray0_->setVisible(true);
    const QString name = FromPath(state_.table.currentFileName());
    // Element 0 is the separator heading the list; its caption is "-".
    if (name.compare(QStringLiteral("-"), Qt::CaseInsensitive) == 0) return;
    for (QAction* entry : mnufilearray_) {
        if (name.compare(entry->data().toString(), Qt::CaseInsensitive) == 0) return;
    }

    const int index = static_cast<int>(mnufilearray_.size()) + 1;
    auto* entry = new QAction(MenuCaptionFor(name), MnuFile_);
    entry->setObjectName(QStringLiteral("mnufilearray"));
    entry->setProperty("index", index);
    entry->setData(name);
    entry->setVisible(true);
    MnuFile_->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, index] { mnufilearray_Click(index); });
    mnufilearray_.push_back(entry);
}

QStringList form1::fileListCaptions() const {
    QStringList captions;
    for (const QAction* entry : mnufilearray_) captions << entry->data().toString();
    return captions;
}

void form1::MnuNew_Click() {
    const platform::Message question{QStringLiteral("Really clear all records from memory??"),
                                     QStringLiteral("New"), platform::Buttons::YesNo,
                                     platform::Icon::Exclamation, platform::DefaultButton::Second};
    if (platform_.showMessage(question) != platform::Answer::Yes) return;

    state_.table.ClearTable();
    // currentFileName stays: only the title marks the database as untitled.
    titleFileName_ = RecordTable::kUntitled;
    ShowFileTitle();
    ShowCurrentRecord();
    SetRecordCommands(false);
}

void form1::MnuOpen_Click() {
    const QString chosen = platform_.openFileDialog(DatabaseDialog());
    if (chosen.isEmpty()) return;
    LoadDatabase(ToPath(chosen));
    if (FileExists(state_.table.currentFileName())) AddToFileList();
}

void form1::MnuSave_Click() {
    if (titleFileName_ == RecordTable::kUntitled) {
        MnuSas_Click();
        return;
    }
    SaveDatabase();
}

void form1::MnuSas_Click() {
    const QString chosen = platform_.saveFileDialog(DatabaseDialog());
    if (chosen.isEmpty()) return;
    const std::string path = ToPath(chosen);
    if (FileExists(path)) {
        const platform::Message question{
            QStringLiteral("This file already exists. Overwrite the file"),
            QStringLiteral("Save as"), platform::Buttons::YesNo, platform::Icon::Exclamation};
        if (platform_.showMessage(question) != platform::Answer::Yes) return;
    }

    RecordTable& table = state_.table;
    std::string previous = table.currentFileName();
    table.setCurrentFileName(path);
    // A Save As that failed must not send later Saves to the new path.
    if (!SaveDatabase()) table.setCurrentFileName(std::move(previous));
}

void form1::MnuMer_Click() {
    const QString chosen = platform_.saveFileDialog(DatabaseDialog(QStringLiteral("Merge with..")));
    if (chosen.isEmpty()) return;
    MergeDatabase(ToPath(chosen));
}

void form1::MnuExit_Click() {
    if (!AskToLeave()) return;

    // Closing by code: the window's own close question has just been answered.
    closingByCode_ = true;
    close();
    closingByCode_ = false;
    QCoreApplication::quit();
}

void form1::mnufilearray_Click(int index) {
    if (index < 1 || index > static_cast<int>(mnufilearray_.size())) return;
    LoadDatabase(ToPath(mnufilearray_[static_cast<size_t>(index - 1)]->data().toString()));
}

}  // namespace rodwick
