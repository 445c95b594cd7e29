#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform {

// The numeric test shared by the word list reader and the recording-name check: a text reads as
// a number when, between optional blanks, it holds an optional sign and decimal digits with at
// most one decimal point ".". Returns the value rounded to the nearest integer, halves to even.
struct NumericValue
{
    // Empty when the rounded value does not fit a 16-bit signed integer.
    std::optional<qint16> rounded;
};

std::optional<NumericValue> readNumber(const QString& text);

} // namespace platform
