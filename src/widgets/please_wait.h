// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "main_view.h"
#include "platform.h"

namespace rodwick {

// The busy pointer for as long as it lives, so that no early return leaves it busy.
class BusyPointer {
  public:
    explicit BusyPointer(platform::Platform& platform) : platform_(platform) {
        platform_.setBusyPointer(true);
    }
    ~BusyPointer() { platform_.setBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // Runs ask, a question to the user, under the normal pointer; busy again after it.
    template <typename Ask>
    auto normal(const Ask& ask) {
        platform_.setBusyPointer(false);
        auto answer = ask();
        platform_.setBusyPointer(true);
        return answer;
    }

  private:
    platform::Platform& platform_;
};

// The busy title and pointer for as long as it lives: "Please Wait..." while a window loads.
class PleaseWait {
  public:
    PleaseWait(MainView& view, platform::Platform& platform,
               const QString& text = QCoreApplication::translate("PleaseWait", "Please Wait..."))
        : view_(view) {
        // The busy title shows under the busy pointer, and the file title comes back under
        // the normal one.
        pointer_.emplace(platform);
        view_.showBusyTitle(text);
    }
    ~PleaseWait() {
        pointer_.reset();
        view_.showFileTitle();
    }
    PleaseWait(const PleaseWait&) = delete;
    PleaseWait& operator=(const PleaseWait&) = delete;

  private:
    MainView& view_;
    std::optional<BusyPointer> pointer_;
};

}  // namespace rodwick
