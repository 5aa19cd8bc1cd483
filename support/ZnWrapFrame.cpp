#include "ZnWrapFrame.h"

#include <QEvent>

TZnWrapFrame::TZnWrapFrame(QWidget* content, QWidget* parent) : QWidget(parent), FContent(content) {
    content->setParent(this);
    setSizePolicy(content->sizePolicy());
}

QSize TZnWrapFrame::sizeHint() const {
    return FContent->sizeHint();
}

QSize TZnWrapFrame::minimumSizeHint() const {
    return FContent->minimumSizeHint();
}

bool TZnWrapFrame::hasHeightForWidth() const {
    return FContent->hasHeightForWidth();
}

int TZnWrapFrame::heightForWidth(int width) const {
    return FContent->heightForWidth(width);
}

bool TZnWrapFrame::event(QEvent* event) {
    // The content asked for other room (its text changed), the frame was resized, or it shows
    // again after changes made while it was hidden, which told it nothing.
    const QEvent::Type type = event->type();
    if (type == QEvent::LayoutRequest || type == QEvent::Resize || type == QEvent::Show)
        Fit();
    return QWidget::event(event);
}

void TZnWrapFrame::Fit() {
    FContent->setGeometry(rect());
    const int height = hasHeightForWidth() ? heightForWidth(width()) : sizeHint().height();
    const QSize minimum = minimumSizeHint();
    if (height != KeptHeight || minimum != KeptMinimum) {
        KeptHeight = height;
        KeptMinimum = minimum;
        updateGeometry();
    }
}
