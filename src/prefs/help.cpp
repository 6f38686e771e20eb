// SPDX-License-Identifier: GPL-3.0-or-later
#include "help.h"

#include <QCoreApplication>

#include "database_file.h"
#include "program_files.h"
#include "text.h"

namespace rodwick {

QString manualPath(const QString& programDir) {
    return fromPath(locateProgramFiles(toPath(programDir)).manual);
}

QStringList wordProcessors() {
    // LibreOffice Writer first, AbiWord when Writer is not installed.
    return {QStringLiteral("/usr/bin/lowriter"), QStringLiteral("/usr/bin/abiword")};
}

void openManual(platform::Platform& platform, const QString& manualPath,
                const QStringList& wordProcessors) {
    const QString title = QCoreApplication::translate("Help", "Help");
    platform.showMessage(
        {QCoreApplication::translate(
             "Help",
             "Due to Windows problems, you must load this file manually. Please load "
             "up ANGLEBOX.DOC - Press OK to run your Word Processor. Alternatively "
             "select Anglebox Manual from the Harrowby Software program group"),
         title, platform::Buttons::Ok, platform::Icon::None});

    if (!fileExists(toPath(manualPath))) {
        platform.showMessage(
            {QCoreApplication::translate("Help", "Sorry - Cannot find ANGLEBOX.doc!"), title,
             platform::Buttons::Ok, platform::Icon::Stop});
        return;
    }
    for (const QString& program : wordProcessors) {
        if (platform.startProgram(program, {})) return;
    }
    platform.showMessage(
        {QCoreApplication::translate("Help",
                                     "Oops. Somethings gone wrong. Please check that you "
                                     "have WRITE.EXE and ANGLEBOX.WRI"),
         title, platform::Buttons::Ok, platform::Icon::Stop});
}

}  // namespace rodwick
