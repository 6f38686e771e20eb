// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace rodwick::testing {

// A translation into no language: every text asked for comes back as "[Context]text", so that
// a window built under it shows which of its texts went through the translation, and in which
// context. %n is still filled in by Qt. Installed for the life of the object.
class MarkingTranslator : public QTranslator {
  public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    MarkingTranslator(const MarkingTranslator&) = delete;
    MarkingTranslator& operator=(const MarkingTranslator&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (sourceText == nullptr || *sourceText == '\0') return {};
        return QLatin1Char('[') + QString::fromUtf8(context) + QLatin1Char(']') +
               QString::fromUtf8(sourceText);
    }

    // The text as it shows under this translator.
    static QString marked(const char* context, const QString& text) {
        return QLatin1Char('[') + QString::fromUtf8(context) + QLatin1Char(']') + text;
    }
};

}  // namespace rodwick::testing
