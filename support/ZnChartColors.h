#pragma once

// Colours drawn by hand over a widget's background (the charts' lines, grids and marks), derived
// from its palette or checked against it, so that they show on a light desktop and a dark one
// alike.

#include <QColor>
#include <QPalette>

// The contrast of two colours as the web's accessibility guidelines measure it: 1 (the same
// luminance) to 21 (black on white).
[[nodiscard]] double ContrastRatio(const QColor& a, const QColor& b);

// `colour`, or the nearest mix of it towards white or black (whichever the background's
// luminance calls for) that stands at least `ratio` against `background`.
[[nodiscard]] QColor Legible(const QColor& colour, const QColor& background, double ratio);

// A colour between the text's and the background's of `role` in `palette`: `share` of the
// text's. Lines of secondary importance take 0.4 or so, grids less.
[[nodiscard]] QColor Muted(const QPalette& palette, QPalette::ColorRole role, double share);
