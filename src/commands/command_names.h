// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The object names of the menus and their entries, in one place: an area places its entries
// after another area's by these names, the toolbar finds its buttons' commands by them, and a
// typo is a compile error rather than an entry that lands nowhere.
namespace rodwick {

// The menus of the bar, left to right.
inline constexpr const char* kFileMenu = "MnuFile";
inline constexpr const char* kEditMenu = "MnuTed";
inline constexpr const char* kOptionsMenu = "MnuOption";
inline constexpr const char* kRecordMenu = "MnuRecord";
inline constexpr const char* kHelpMenu = "crap";

// The translation contexts of the menus' captions. The bar's captions are one context and each
// menu's entries another, whichever area registers them, so that a translator sees together
// the captions whose access keys must differ. A caption is marked where it is registered:
//   .caption = QT_TRANSLATE_NOOP("FileMenu", "Export to Spreadsheet (CSV)..."),
// (FileMenu, EditMenu, OptionsMenu, RecordMenu, HelpMenu; see menuContext in the registry.)
inline constexpr const char* kMenuBarContext = "MenuBar";

// File menu.
inline constexpr const char* kNewEntry = "MnuNew";
inline constexpr const char* kOpenEntry = "MnuOpen";
inline constexpr const char* kSaveEntry = "MnuSave";
inline constexpr const char* kSaveAsEntry = "MnuSas";
inline constexpr const char* kExportEntry = "MnuExp";
inline constexpr const char* kCsvExportEntry = "MnuCsvExp";
inline constexpr const char* kMergeEntry = "MnuMer";
inline constexpr const char* kCsvImportEntry = "MnuCsvImp";
inline constexpr const char* kBackupsEntry = "MnuBackups";
inline constexpr const char* kFileSeparator = "Empty1";
inline constexpr const char* kPrintEntry = "MnuPrint";
inline constexpr const char* kExitEntry = "MnuExit";
// The separator heading the list of opened files.
inline constexpr const char* kFileListHead = "mnufilearray";

// Edit menu.
inline constexpr const char* kCopyEntry = "MnuCopy";
inline constexpr const char* kEditSeparator = "empty3";
inline constexpr const char* kEditEntry = "MnuEdit";
inline constexpr const char* kDeleteEntry = "MnuDel";
inline constexpr const char* kAddEntry = "MnuAdd";
inline constexpr const char* kDuplicateEntry = "MnuDup";
inline constexpr const char* kUndoSeparator = "empty4";
inline constexpr const char* kUndoEntry = "MnuUndo";
inline constexpr const char* kRedoEntry = "MnuRedo";

// Options menu.
inline constexpr const char* kFindEntry = "MnuFind";
inline constexpr const char* kStatisticsEntry = "MnuStats";
inline constexpr const char* kPreferencesEntry = "MnuPref";
inline constexpr const char* kFontEntry = "MnuFont";

// Record menu.
inline constexpr const char* kFirstEntry = "MnuFirst";
inline constexpr const char* kLastEntry = "MnuLast";
inline constexpr const char* kNextEntry = "MnuNext";
inline constexpr const char* kPreviousEntry = "MnuPrev";
inline constexpr const char* kGotoEntry = "MnuGoto";
inline constexpr const char* kTripListEntry = "MnuTrips";
inline constexpr const char* kPhotosEntry = "MnuPhotos";
inline constexpr const char* kNewTripFromPhotosEntry = "MnuNewTripFromPhotos";

// Help menu.
inline constexpr const char* kHelpEntry = "MnuHelp";
inline constexpr const char* kHelpSeparator = "crap3";
inline constexpr const char* kLanguageEntry = "MnuLanguage";
inline constexpr const char* kAboutEntry = "MnuAbo";

}  // namespace rodwick
