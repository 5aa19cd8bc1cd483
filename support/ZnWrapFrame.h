#pragma once

#include <QSize>
#include <QWidget>

// Holds one widget whose width follows its column and whose height follows its width, such as a
// word-wrapped text. Qt tells every change of a widget's size hint up to the window, and each
// layout on the way is computed again; in this frame a new text is placed anew, and the column is
// told only when the height it needs at the present width or its least size changes. The column
// sets the width itself, so the width the text would like is not worth a new layout of its own.
class TZnWrapFrame : public QWidget {
public:
    explicit TZnWrapFrame(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;

private:
    // Places the content over the whole frame; tells the column when the room it needs changed.
    void Fit();

    QWidget* FContent;
    int KeptHeight = -1; // as the column last saw them
    QSize KeptMinimum;
};
