#include "WindowLayout.h"

#include <algorithm>

#include <QMainWindow>
#include <QScreen>
#include <QSplitter>

#include "ZnListView.h"

int Scaled(const QWidget& widget, int designPixels) {
    return static_cast<int>(designPixels * widget.logicalDpiX() / 96.0 + 0.5);
}

QSplitter* VerticalSplit(const char* name, QWidget* top, int topStretch, QWidget* bottom,
                         int bottomStretch, int handleWidth) {
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setHandleWidth(handleWidth);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(bottom);
    splitter->setStretchFactor(0, topStretch);
    splitter->setStretchFactor(1, bottomStretch);
    return splitter;
}

QSize FittedSize(QMainWindow& window, QSize design) {
    for (TZnListView* list : window.findChildren<TZnListView*>()) {
        list->FitColumns();
        // The layouts between the list and the window keep the hints they have read.
        for (QWidget* widget = list; widget != nullptr && widget != &window;
             widget = widget->parentWidget())
            widget->updateGeometry();
    }
    // The window's size hint is built from the lists' whole contents (the charts ask for none).
    // A splitter's hint leaves out its handles: the side-by-side ones add to the width, the
    // ones of the stacked panes (side by side themselves) to the height. A pixel a pane covers
    // the rounding of the shares the splitter gives its panes.
    QSize handles;
    for (const QSplitter* splitter : window.findChildren<QSplitter*>()) {
        const int handle = (splitter->handleWidth() + 1) * (splitter->count() - 1) + 1;
        if (splitter->orientation() == Qt::Horizontal)
            handles.rwidth() += handle;
        else
            handles.setHeight(std::max(handles.height(), handle));
    }
    const QSize wanted = window.sizeHint() + handles;
    const QSize available = window.screen()->availableGeometry().size();
    return wanted.expandedTo(design).boundedTo(available * 0.9);
}

void ShareSplitters(QMainWindow& window) {
    // Each side of each splitter starts at its wanted size; the splitters' growing sides take
    // what is left, and give up what is missing (on a small screen), so that a side that keeps
    // its size (the club panel) shows whole.
    for (QSplitter* splitter : window.findChildren<QSplitter*>()) {
        const bool across = splitter->orientation() == Qt::Horizontal;
        QList<int> sizes;
        int missing = -(across ? splitter->width() : splitter->height()) +
                      (splitter->handleWidth() * (splitter->count() - 1));
        for (int i = 0; i < splitter->count(); ++i) {
            const QSize hint = splitter->widget(i)->sizeHint();
            sizes << (across ? hint.width() : hint.height());
            missing += sizes.back();
        }
        // Side by side, the pages give up width before the club panel, whose lines would
        // otherwise hide behind scroll bars; stacked, the lower side gives up height.
        for (int k = 0; k < splitter->count() && missing > 0; ++k) {
            const int i = across ? k : splitter->count() - 1 - k;
            auto& size = sizes[i];
            const int minimum = across ? splitter->widget(i)->minimumSizeHint().width()
                                       : splitter->widget(i)->minimumSizeHint().height();
            const int given = std::min(missing, std::max(0, size - minimum));
            size -= given;
            missing -= given;
        }
        splitter->setSizes(sizes);
    }
}

void GrowToFit(QMainWindow& window, QSize wanted) {
    if (!window.isMaximized() && !window.isFullScreen())
        window.resize(window.size().expandedTo(wanted));
    // Each side of a splitter gets the size its contents ask for, where the other side can
    // spare it.
    for (QSplitter* splitter : window.findChildren<QSplitter*>()) {
        if (splitter->count() != 2)
            continue;
        QList<int> sizes = splitter->sizes();
        int hints[2];
        for (int i = 0; i < 2; ++i) {
            const QSize hint = splitter->widget(i)->sizeHint();
            hints[i] = splitter->orientation() == Qt::Horizontal ? hint.width() : hint.height();
        }
        for (int i = 0; i < 2; ++i) {
            const int move = std::min(hints[i] - sizes[i], sizes[1 - i] - hints[1 - i]);
            if (move > 0) {
                sizes[i] += move;
                sizes[1 - i] -= move;
            }
        }
        splitter->setSizes(sizes);
    }
}
