#pragma once

#include <QString>
#include <ostream>

#include "platform.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Test failure messages name the platform's choices instead of printing their numbers. Each
// switch has no default, so a value added without a name fails the build (-Wswitch).
namespace rodwick::platform {

inline const char* EnumName(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return "Ok";
        case Buttons::OkCancel:
            return "OkCancel";
        case Buttons::AbortRetryIgnore:
            return "AbortRetryIgnore";
        case Buttons::YesNoCancel:
            return "YesNoCancel";
        case Buttons::YesNo:
            return "YesNo";
        case Buttons::RetryCancel:
            return "RetryCancel";
    }
    return nullptr;
}

inline const char* EnumName(Icon icon) {
    switch (icon) {
        case Icon::None:
            return "None";
        case Icon::Stop:
            return "Stop";
        case Icon::Question:
            return "Question";
        case Icon::Exclamation:
            return "Exclamation";
        case Icon::Information:
            return "Information";
    }
    return nullptr;
}

inline const char* EnumName(DefaultButton button) {
    switch (button) {
        case DefaultButton::First:
            return "First";
        case DefaultButton::Second:
            return "Second";
        case DefaultButton::Third:
            return "Third";
    }
    return nullptr;
}

inline const char* EnumName(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return "Ok";
        case Answer::Cancel:
            return "Cancel";
        case Answer::Abort:
            return "Abort";
        case Answer::Retry:
            return "Retry";
        case Answer::Ignore:
            return "Ignore";
        case Answer::Yes:
            return "Yes";
        case Answer::No:
            return "No";
    }
    return nullptr;
}

inline const char* EnumName(FontAttribute attribute) {
    switch (attribute) {
        case FontAttribute::Bold:
            return "Bold";
        case FontAttribute::Italic:
            return "Italic";
        case FontAttribute::Underline:
            return "Underline";
    }
    return nullptr;
}

// "Type::Name", or "Type(number)" for a number outside the enum.
template <typename Enum>
void PrintEnum(const char* type, Enum value, std::ostream* out) {
    if (const char* name = EnumName(value)) {
        *out << type << "::" << name;
    } else {
        *out << type << "(" << static_cast<int>(value) << ")";
    }
}

inline void PrintTo(Buttons value, std::ostream* out) {
    PrintEnum("Buttons", value, out);
}
inline void PrintTo(Icon value, std::ostream* out) {
    PrintEnum("Icon", value, out);
}
inline void PrintTo(DefaultButton value, std::ostream* out) {
    PrintEnum("DefaultButton", value, out);
}
inline void PrintTo(Answer value, std::ostream* out) {
    PrintEnum("Answer", value, out);
}
inline void PrintTo(FontAttribute value, std::ostream* out) {
    PrintEnum("FontAttribute", value, out);
}

}  // namespace rodwick::platform
