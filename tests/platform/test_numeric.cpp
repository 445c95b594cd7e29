#include "platform/numeric.h"

#include <gtest/gtest.h>

namespace {

struct NumericCase
{
    const char16_t* text;
    bool isNumber;
    std::optional<qint16> rounded;
};

const NumericCase kCases[] = {
    {u"7", true, 7},          {u"  7  ", true, 7},     {u"007", true, 7},
    {u"7.5", true, 8},        {u"6.5", true, 6},       {u"-2.5", true, -2},
    {u"+3", true, 3},         {u".5", true, 0},        {u"1.", true, 1},
    {u"32767", true, 32767},  {u"32767.5", true, {}},  {u"-32768", true, -32768},
    {u"99999", true, {}},     {u"", false, {}},        {u"   ", false, {}},
    {u"x7", false, {}},       {u"7x", false, {}},      {u"1.2.3", false, {}},
    {u"-", false, {}},        {u".", false, {}},       {u"1 2", false, {}},
    {u"ball", false, {}},     {u"\u0667", false, {}},
};

TEST(ReadNumber, FollowsTheShapeAndRoundsHalvesToEven)
{
    for (const NumericCase& c : kCases) {
        const QString text = QString::fromUtf16(c.text);
        const auto value = platform::readNumber(text);
        EXPECT_EQ(value.has_value(), c.isNumber) << text.toStdString();
        if (value) {
            EXPECT_EQ(value->rounded, c.rounded) << text.toStdString();
        }
    }
}

} // namespace
