#include "MessageLogEdit.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QString>

#include "ZnBandedStyle.h"
#include "ZnMessageText.h"

TMessageLogEdit::TMessageLogEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Its scroll bar moves with every new line.
    TZnBandedStyle::PaintInBands(*verticalScrollBar());
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A new line keeps its shaped glyphs from its layout on: moving the cursor behind it and
    // painting it use them instead of shaping the text again. Only the newest line keeps them.
    connect(document(), &QTextDocument::contentsChange, this, [this](int from, int, int added) {
        QTextDocument& text = *document();
        for (QTextBlock block = text.findBlock(from);
             block.isValid() && block.position() <= from + added; block = block.next())
            block.layout()->setCacheEnabled(block == text.lastBlock());
    });
}

void TMessageLogEdit::Add(const TZnMessage& message) {
    FMessages.push_back(message);
    AddLine(message);
}

void TMessageLogEdit::Clear() {
    FMessages.clear();
    clear();
}

void TMessageLogEdit::SetWording(const TZnWording& wording) {
    FWording = &wording;
    clear();
    for (const TZnMessage& message : FMessages)
        AddLine(message);
}

void TMessageLogEdit::AddLine(const TZnMessage& message) {
    appendPlainText(QString::fromStdString(MessageText(*FWording, message)));
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

QSize TMessageLogEdit::sizeHint() const {
    constexpr int lines = 6;
    const QFontMetrics metrics = fontMetrics();
    const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
    return {metrics.averageCharWidth() * 30, lines * metrics.lineSpacing() + margins};
}
