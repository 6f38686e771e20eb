#pragma once

#include <string>

#include "record_table.h"
#include "settings.h"

namespace rodwick {

// The program-wide data every window reads and writes: one instance lives for the whole run.
struct AppState {
    RecordTable table;
    Settings settings;
    // UTF-8 path of a database named on the command line, loaded at start instead of the
    // settings' one; empty when none was named.
    std::string openAtStart;
};

}  // namespace rodwick
