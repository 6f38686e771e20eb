// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_headings.h"

#include <QString>
#include <QTranslator>
#include <string>

#include "field_texts.h"
#include "fields.h"
#include "language_choice.h"
#include "text.h"

namespace rodwick {

namespace {

std::vector<FieldHeading> collectHeadings() {
    std::vector<FieldHeading> headings;
    for (const std::string& language : shippedLanguages()) {
        // A translator of its own, never installed: the windows keep their language.
        QTranslator translator;
        if (!translator.load(QStringLiteral(":/i18n/rodwick_") + QString::fromStdString(language)))
            continue;
        for (const FieldInfo& info : kFields) {
            const std::string source(captionAlone(info.field));
            QString caption = translator.translate("Fields", source.c_str());
            if (caption.isEmpty()) continue;
            if (caption.endsWith(u':')) caption = caption.chopped(1).trimmed();
            if (!hasUnitName(info.unit)) {
                headings.push_back({caption.toStdString(), info.field});
                continue;
            }
            for (const UnitNames& units : {UnitNames::imperial(), UnitNames::metric()}) {
                const QString heading = caption + QStringLiteral(" (") +
                                        fromFileText(unitName(info.unit, units)) + u')';
                headings.push_back({heading.toStdString(), info.field});
            }
        }
    }
    return headings;
}

}  // namespace

CsvHeadings csvHeadingsInLanguage(const UnitNames& units) {
    CsvHeadings headings;
    for (const FieldInfo& info : kFields) {
        headings[static_cast<std::size_t>(info.field)] =
            fieldHeadingText(info.field, units).toStdString();
    }
    return headings;
}

const std::vector<FieldHeading>& shippedLanguageHeadings() {
    static const std::vector<FieldHeading> kHeadings = collectHeadings();
    return kHeadings;
}

}  // namespace rodwick
