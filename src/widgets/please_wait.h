#pragma once

#include <QString>

#include "main_view.h"
#include "platform.h"

namespace rodwick {

// The busy title and pointer for as long as it lives: "Please Wait..." while a window loads.
class PleaseWait {
  public:
    PleaseWait(MainView& view, platform::Platform& platform,
               const QString& text = QStringLiteral("Please Wait..."))
        : view_(view), platform_(platform) {
        view_.ShowBusyTitle(text);
        platform_.setBusyPointer(true);
    }
    ~PleaseWait() {
        platform_.setBusyPointer(false);
        view_.ShowFileTitle();
    }
    PleaseWait(const PleaseWait&) = delete;
    PleaseWait& operator=(const PleaseWait&) = delete;

  private:
    MainView& view_;
    platform::Platform& platform_;
};

}  // namespace rodwick
