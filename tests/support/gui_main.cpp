// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "translation.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary without the test environment: stay off any display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Windows keep their layouts in the user's configuration folder: a test run keeps them in a
    // folder of its own, never the user's.
    const QTemporaryDir config;
    if (!config.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    // English, as the program speaks it under an English locale: the source texts with their
    // plural forms. A test of another language installs that one itself.
    if (!rodwick::installTranslations(QStringLiteral("en"))) return 1;
    ::testing::InitGoogleTest(&argc, argv);
    // Recovery copies and backups go to folders of each test's own, so that no test is asked
    // about trips another one left.
    class FreshUserFolders : public ::testing::EmptyTestEventListener {
      public:
        explicit FreshUserFolders(QString root) : root_(std::move(root)) {}
        void OnTestStart(const ::testing::TestInfo&) override {
            const QString folder = root_ + QStringLiteral("/test-%1").arg(++count_);
            qputenv("XDG_STATE_HOME", (folder + QStringLiteral("/state")).toLocal8Bit());
            qputenv("XDG_DATA_HOME", (folder + QStringLiteral("/data")).toLocal8Bit());
        }

      private:
        QString root_;
        int count_ = 0;
    };
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshUserFolders(config.path()));
    return RUN_ALL_TESTS();
}
