#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

int twipsToPixels(int twips)
{
    return int(std::lround(twips * logicalDpi() / kTwipsPerInch));
}

int pixelsToTwips(int pixels)
{
    return int(std::lround(pixels * kTwipsPerInch / logicalDpi()));
}

QRect twipsToPixels(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace platform
