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
