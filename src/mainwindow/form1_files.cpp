// The File menu: New, Open, Save, Save As, Merge, Exit and the list of opened files, with
// the load, save and merge routines and the title that carries the file's state.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "command_areas.h"
#include "command_registry.h"
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

void RegisterFileCommands(CommandRegistry& commands, form1& window) {
    // The last entry heads the list of opened files, which grows beneath it.
    commands.add({
        {"MnuNew", "Ne&w", "Ctrl+W", "MnuFile", nullptr, 10, false, [&] { window.MnuNew_Click(); }},
        {"MnuOpen", "&Open...", "Ctrl+O", "MnuFile", nullptr, 20, false,
         [&] { window.MnuOpen_Click(); }},
        {"MnuSave", "&Save", "Ctrl+S", "MnuFile", nullptr, 30, false,
         [&] { window.MnuSave_Click(); }},
        {"MnuSas", "Save As..   ", "Ctrl+Y", "MnuFile", nullptr, 40, false,
         [&] { window.MnuSas_Click(); }},
        {"MnuMer", "&Merge", "Ctrl+M", "MnuFile", nullptr, 60, false,
         [&] { window.MnuMer_Click(); }},
        {"Empty1", nullptr, nullptr, "MnuFile", nullptr, 70},
        {"MnuExit", "Exit", "Ctrl+X", "MnuFile", nullptr, 90, false,
         [&] { window.MnuExit_Click(); }},
        {"mnufilearray", nullptr, nullptr, "MnuFile", nullptr, 100},
    });
}

void form1::DrawTitle() {
    setWindowTitle(busyTitle_.isEmpty() ? kTitlePrefix + FromPath(book_.titleName()) : busyTitle_);
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
    platform_.setBusyPointer(true);
    ShowBusyTitle(QStringLiteral("Loading. Please wait..."));
    // Silent by design: a missing or unreadable file leaves what the book held.
    (void)book_.load(path);
    ShowFileTitle();
    platform_.setBusyPointer(false);
}

void form1::TellSaveFailed(const std::string& path, const Status& saved) {
    // Unlike the other file failures this one is reported: a save that fails silently
    // loses the user's work without warning.
    platform_.showMessage({QStringLiteral("Could not save the database to ") + FromPath(path) +
                               QStringLiteral(": ") + QString::fromStdString(saved.message()) +
                               QStringLiteral(". The file on disk was not changed."),
                           QStringLiteral("Save"), platform::Buttons::Ok, platform::Icon::Stop});
}

bool form1::SaveDatabase() {
    platform_.setBusyPointer(true);
    ShowBusyTitle(QStringLiteral("Saving. Please wait..."));
    const Status saved = book_.save();
    platform_.setBusyPointer(false);
    ShowFileTitle();
    if (!saved.ok()) TellSaveFailed(book_.fileName(), saved);
    return saved.ok();
}

void form1::MergeDatabase(const std::string& path) {
    // All or nothing, and silent when nothing is merged.
    (void)book_.merge(path);
}

void form1::AddToFileList() {
    mnufilearray0_->setVisible(true);
    const QString name = FromPath(book_.fileName());
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

    // The file name stays: only the title marks the database as untitled.
    book_.newDatabase();
}

void form1::MnuOpen_Click() {
    const QString chosen = platform_.openFileDialog(DatabaseDialog());
    if (chosen.isEmpty()) return;
    LoadDatabase(ToPath(chosen));
    if (FileExists(book_.fileName())) AddToFileList();
}

void form1::MnuSave_Click() {
    if (book_.isUntitled()) {
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

    platform_.setBusyPointer(true);
    ShowBusyTitle(QStringLiteral("Saving. Please wait..."));
    // A Save As that failed does not send later Saves to the new path.
    const Status saved = book_.saveAs(path);
    platform_.setBusyPointer(false);
    ShowFileTitle();
    if (!saved.ok()) TellSaveFailed(path, saved);
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
