#include "look.h"

#include <algorithm>
#include <cmath>

namespace form {
namespace {

double linear(std::uint8_t channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(Colour colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

// The classic blue at a lightness from 0 (black) to 255 (white), of full saturation: 96 is RGB(0, 0, 192).
Colour blueOfLightness(int lightness)
{
    if (lightness <= 127)
        return Colour{0, 0, static_cast<std::uint8_t>(2 * lightness)};
    const auto grey = static_cast<std::uint8_t>(2 * lightness - 255);
    return Colour{grey, grey, 255};
}

}  // namespace

double contrastRatio(Colour a, Colour b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Colour litLinkColour(Colour face, Colour windowText)
{
    // Towards white where white stands out more from the face, towards black otherwise.
    const int step = contrastRatio(Colour{255, 255, 255}, face) > contrastRatio(Colour{}, face) ? 8 : -8;
    for (int lightness = 96; lightness >= 0 && lightness <= 255 + 7; lightness += step) {
        const Colour blue = blueOfLightness(std::clamp(lightness, 0, 255));
        if (contrastRatio(blue, face) >= kReadableContrast)
            return blue;
    }
    return windowText;
}

}  // namespace form
