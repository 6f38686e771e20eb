// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <string>

#include "platform.h"
#include "record_book.h"

namespace rodwick {

class BusyPointer;

// What the print window gathers when printing starts. The numbers are the boxes' texts,
// read as numbers only when printing reaches them.
struct PrintRequest {
    bool includeFileName = false;
    bool includeDate = false;
    bool includeTime = false;
    QString printFrom;
    QString printTo;
    QString copies;
};

// The header line of a record printout, of what is asked for: the file name and " - ", the
// date (mm-dd-yyyy) and " - ", the time (hh:mm:ss, 24-hour clock); empty when none is.
QString printHeader(const PrintRequest& request, const std::string& fileName, const QDateTime& now);

// The printer message, shown with Retry and Cancel whenever a step of printing fails.
platform::Message printerMessage();

// Both print routines run a step that fails (the printer, or a copies count or record number
// that is not one) again while the user answers the printer message with Retry; Cancel ends
// the request at once, handing over what was printed so far. The caller's busy pointer is
// normal while the message waits for an answer. They return false on Cancel.

// The header line in bold once, then the 19 lines of each record printFrom..printTo, as many
// times as copies says. Numbers beyond the records held print nothing; a range bound outside
// 0..250 is a failure.
bool printRecords(platform::Platform& platform, BusyPointer& busy, const RecordBook& book,
                  const PrintRequest& request);

// The blank note sheet, as many times as copies says, in the printer's font as it stands.
bool printNoteSheet(platform::Platform& platform, BusyPointer& busy, const QString& copies);

}  // namespace rodwick
