// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

namespace rodwick::stats {

ChartModule loadChartModule(const QString& file) {
    // The loader may go: a loaded plugin stays loaded for the rest of the run.
    QPluginLoader loader(file);
    QObject* instance = loader.instance();
    if (instance == nullptr) {
        // Some of the loader's reasons ("The shared library was not found.") name no file.
        const QString error = loader.errorString();
        return {nullptr, error.contains(file) ? error : file + QStringLiteral(": ") + error};
    }
    auto* maker = qobject_cast<ChartMaker*>(instance);
    if (maker == nullptr) {
        return {nullptr, file + QStringLiteral(" is not a charts module of this version")};
    }
    return {maker, QString()};
}

const ChartModule& chartModule() {
    static const ChartModule kLoaded = [] {
        const QString programDir = QCoreApplication::applicationDirPath();
        const QString beside = programDir + QStringLiteral("/" RODWICK_CHARTS_MODULE);
        const QString installed = programDir + QStringLiteral("/" RODWICK_CHARTS_DIR_FROM_PROGRAM
                                                              "/" RODWICK_CHARTS_MODULE);
        return loadChartModule(QFileInfo::exists(beside) ? beside : installed);
    }();
    return kLoaded;
}

}  // namespace rodwick::stats
