// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an area's registration function takes, declared once: the registry it adds its rows to,
// the book, the platform and the window or main view its commands open over. An area header
// includes this and declares its register...Commands function alone.

class QWidget;

namespace rodwick {

class CommandRegistry;
class MainView;
class RecordBook;
namespace platform {
class Platform;
}

}  // namespace rodwick
