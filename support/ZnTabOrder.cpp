#include "ZnTabOrder.h"

#include <vector>

#include <QWidget>

void PlaceTabStopsAfter(QWidget* before, QWidget& made) {
    std::vector<QWidget*> stops;
    QWidget* widget = &made;
    do {
        if ((widget == &made || made.isAncestorOf(widget)) &&
            (widget->focusPolicy() & Qt::TabFocus) != 0)
            stops.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != &made);
    for (QWidget* stop : stops) {
        QWidget::setTabOrder(before, stop);
        before = stop;
    }
}
