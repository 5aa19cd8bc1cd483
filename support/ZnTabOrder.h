#pragma once

class QWidget;

// Gives the Tab stops of `made` (itself where Tab reaches it, then the controls inside it, in the
// order they were made) their place in the Tab order right after `before`. A part built after
// its window stands last in the window's focus chain; this puts it where it stands on screen.
void PlaceTabStopsAfter(QWidget* before, QWidget& made);
