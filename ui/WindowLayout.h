#pragma once

// How the main window is sized and its splitters shared: at the first show, and again when the
// language changes. Free of the window's own members: it reads the lists and splitters a window
// holds.

#include <QSize>

class QMainWindow;
class QSplitter;
class QWidget;

// `designPixels` at the widget's dots per inch (96 is the design's).
[[nodiscard]] int Scaled(const QWidget& widget, int designPixels);

// The smallest size at which, in the window's font, its lists show whole (their columns fitted to
// their texts first), within 90% of the screen's available area and never under `design`.
[[nodiscard]] QSize FittedSize(QMainWindow& window, QSize design);

// Each side of each splitter of `window` starts at its wanted size; the growing sides take what
// is left, and give up what is missing (on a small screen or with a large font): the first side
// of a horizontal splitter, the last of a vertical one first, so that the club panel, which keeps
// its size, shows whole.
void ShareSplitters(QMainWindow& window);

// After a change of language: the window grows to `wanted` (unless maximised or full screen), and
// each side of a splitter gets the size its contents ask for, where the other side can spare it.
void GrowToFit(QMainWindow& window, QSize wanted);

// `top` over `bottom`, sharing the height the window gains in the ratio of their stretches.
[[nodiscard]] QSplitter* VerticalSplit(const char* name, QWidget* top, int topStretch,
                                       QWidget* bottom, int bottomStretch, int handleWidth);
