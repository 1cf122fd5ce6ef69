#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kReadable = 4.5;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor linkBlue(const QColor& background)
{
    QColor blue(0, 0, 192);
    while (contrastRatio(blue, background) < kReadable && blue.lightness() < 255)
        blue.setHsl(blue.hslHue(), blue.hslSaturation(), std::min(255, blue.lightness() + 8));
    return blue;
}
