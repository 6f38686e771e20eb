// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_texts.h"

#include <QCoreApplication>
#include <string>

#include "text.h"

namespace rodwick {

namespace {

QString translated(std::string_view text) {
    if (text.empty()) return {};
    const std::string source(text);
    return QCoreApplication::translate("Fields", source.c_str());
}

}  // namespace

QString fieldCaption(Field field) {
    return translated(fieldInfoOf(field).caption);
}

QString fieldCaptionAlone(Field field) {
    return translated(captionAlone(field));
}

QString fieldEditorCaption(Field field) {
    return translated(fieldInfoOf(field).editorCaption);
}

QString fieldPrompt(Field field) {
    return translated(fieldInfoOf(field).prompt);
}

QString fieldHeadingText(Field field, const UnitNames& units) {
    QString heading = fieldCaptionAlone(field);
    if (heading.endsWith(u':')) heading = heading.chopped(1).trimmed();
    const UnitKind unit = fieldInfoOf(field).unit;
    if (hasUnitName(unit))
        heading += QStringLiteral(" (") + fromFileText(unitName(unit, units)) + u')';
    return heading;
}

}  // namespace rodwick
