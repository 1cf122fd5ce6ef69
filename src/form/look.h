#pragma once

#include "layout.h"

#include <array>
#include <cstdint>
#include <string_view>

// How the window looks, the same in every front-end: its fonts, the logo, the keyboard stop of the month
// options and the colour of the lit web link.
namespace form {

// The window's standard font, and the larger one of the labels and the link, in points of an 8-point
// sans-serif face with Arial's widths.
inline constexpr int kStandardFontPoints = 8;
inline constexpr int kLabelFontPoints = 12;

constexpr bool takesLabelFont(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Link;
}

constexpr int fontPointsOf(const ControlLayout& row)
{
    return takesLabelFont(row.kind) ? kLabelFontPoints : kStandardFontPoints;
}

// The faces with Arial's widths, which the layout was drawn for, most wanted first: the layout is fixed in
// pixels, so the face must never be left to chance.
inline constexpr std::array<std::string_view, 5> kArialMetricFaces{"Liberation Sans", "Arimo", "Arial", "Nimbus Sans",
                                                                   "Helvetica"};

// The logo is drawn at its natural size in pixels at 96 dpi, inside a sunken border of 2 pixels.
inline constexpr int kLogoPixels = 32;

// The month options take one keyboard stop, at the selected one; the arrow keys move within the group, which
// begins at the first.
inline constexpr std::array<Control, 2> kMonthOptions{Control::GermanMonthsOption, Control::EnglishMonthsOption};

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend constexpr bool operator==(Colour, Colour) = default;
};

// The contrast ratio of two colours as the web's accessibility guidelines define it: 1 for the same colour,
// 21 for black on white. Text wants at least kReadableContrast.
double contrastRatio(Colour a, Colour b);
inline constexpr double kReadableContrast = 4.5;

// The colour of the lit web link on the face colour: the classic blue where it reads well, else the same hue
// made lighter (on a dark face) or darker (on a light one) until it does, else the window's text colour.
Colour litLinkColour(Colour face, Colour windowText);

}  // namespace form
