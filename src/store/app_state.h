#pragma once

#include "record_table.h"
#include "settings.h"

namespace rodwick {

// The program-wide data every window reads and writes: one instance lives for the whole run.
struct AppState {
    RecordTable table;
    Settings settings;
};

}  // namespace rodwick
