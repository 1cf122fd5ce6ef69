#pragma once

#include <QColor>

// The contrast ratio of two colours as the web's accessibility guidelines define it: 1 for the same
// colour, 21 for black on white. Text wants at least 4.5.
double contrastRatio(const QColor& a, const QColor& b);

// The blue of the lit web link against that background: the classic dark blue where it reads well, else the
// same hue made lighter until it does.
QColor linkBlue(const QColor& background);
