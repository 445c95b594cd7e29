#pragma once

#include <QRect>

namespace platform {

// The one conversion between twips (1/1440 inch) and pixels, at the screen's logical DPI.
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsToPixels(int left, int top, int width, int height);

} // namespace platform
