#include "ZnToolTip.h"

#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

QString PlainToolTipMarkup(const QString& text) {
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

bool AnswerToolTip(QHelpEvent* event, QWidget* widget, const QString& text) {
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(event->globalPos(), PlainToolTipMarkup(text), widget);
    }
    return true;
}
