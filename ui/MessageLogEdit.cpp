#include "MessageLogEdit.h"

#include <QScrollBar>
#include <QString>

TMessageLogEdit::TMessageLogEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TMessageLogEdit::AddLine(const std::string& line) {
    appendPlainText(QString::fromStdString(line));
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

QSize TMessageLogEdit::sizeHint() const {
    constexpr int lines = 6;
    const QFontMetrics metrics = fontMetrics();
    const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
    return {metrics.averageCharWidth() * 30, lines * metrics.lineSpacing() + margins};
}
