// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text of a table in the store for translation: the windows translate it under its
// context when they show it. Here it stays the text itself, as the store knows no Qt; the
// translation tools read the mark as QT_TRANSLATE_NOOP.
#define RODWICK_TR_NOOP(context, text) text
