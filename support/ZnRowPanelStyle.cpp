#include "ZnRowPanelStyle.h"

#include <cstring>

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOption>
#include <QTreeView>

namespace {

bool IsCommonKind(const QStyle& style) {
    const char* name = style.metaObject()->className();
    return std::strcmp(name, "QFusionStyle") == 0 || std::strcmp(name, "QWindowsStyle") == 0 ||
           std::strcmp(name, "QCommonStyle") == 0;
}

} // namespace

bool OutsideThePaint(const QPainter& painter, const QRect& rect) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr)
        return false;
    const QRegion painting = engine->systemClip();
    const QTransform& transform = painter.deviceTransform();
    // At whole pixels only, where the rectangle's edges are the device's.
    const auto dx = static_cast<int>(transform.dx());
    const auto dy = static_cast<int>(transform.dy());
    if (painting.isEmpty() || transform.type() > QTransform::TxTranslate || dx != transform.dx() ||
        dy != transform.dy())
        return false;
    return !painting.intersects(rect.translated(dx, dy));
}

TZnRowPanelStyle::TZnRowPanelStyle(const QString& key)
    : QProxyStyle(key), Common(IsCommonKind(*baseStyle())) {}

void TZnRowPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelItemViewRow && Common && painter != nullptr) {
        // The common styles fill a row's panel with the highlight when selected, else with the
        // alternate colour when the row alternates, and paint nothing else.
        const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
        if (item != nullptr && ((!(item->state & State_Selected) &&
                                 !(item->features & QStyleOptionViewItem::Alternate)) ||
                                OutsideThePaint(*painter, item->rect)))
            return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TZnRowPanelStyle::SkipEmptyRowPanels(QTreeView& view) {
    // One style for each kind, made by name: a proxy given the application's style object would
    // take it over and delete it. Kept by the application, which outlives every view.
    const QString kind = QApplication::style()->name();
    for (auto* made : qApp->findChildren<TZnRowPanelStyle*>(QString(), Qt::FindDirectChildrenOnly))
        if (made->baseStyle()->name() == kind) {
            view.setStyle(made);
            return;
        }
    auto* style = new TZnRowPanelStyle(kind);
    style->setParent(qApp);
    view.setStyle(style);
}

bool DrawsItemsAsCommon(const QStyle& style) {
    if (const auto* rows = dynamic_cast<const TZnRowPanelStyle*>(&style))
        return rows->ItemsAsCommon();
    return IsCommonKind(style);
}
