#pragma once

class QHelpEvent;
class QString;
class QWidget;

// Tool tips of texts that may hold names read from files: shown as plain text, so a name such as
// "<font color=red>" reads as those characters and never as markup.

// The markup that shows `text` as written (line breaks kept); an empty text stays empty.
QString PlainToolTipMarkup(const QString& text);

// Answers a tool-tip event of `widget` with `text`, or hides the tip when it is empty. Returns
// true, the value event() returns for a handled event.
bool AnswerToolTip(QHelpEvent* event, QWidget* widget, const QString& text);
