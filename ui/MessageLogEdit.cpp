#include "MessageLogEdit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QString>

#include "ZnMessageText.h"

namespace {

// A scroll bar painted in bands of fewer than 96 lines. The style fills the log's tall groove with
// a gradient, and the framework hands a fill of 96 lines or more to its painting threads and waits
// for them: on a busy machine the waiting cost more than the painting, at every new line. Each
// band is the scroll bar's own paint, clipped to the band, so the pixels are the same.
class TBandedScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (InBand) {
            QScrollBar::paintEvent(event);
            return;
        }
        constexpr int band = 90;
        const QRegion region = event->region();
        QPainter painter(this);
        InBand = true;
        for (int top = 0; top < height(); top += band)
            if (const QRegion part = region & QRect(0, top, width(), band); !part.isEmpty())
                render(&painter, part.boundingRect().topLeft(), part, {});
        InBand = false;
    }

private:
    bool InBand = false; // painting one band
};

} // namespace

TMessageLogEdit::TMessageLogEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBar(new TBandedScrollBar(Qt::Vertical, this));
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
