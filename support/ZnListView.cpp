#include "ZnListView.h"

#include <algorithm>
#include <stdexcept>

#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPalette>

#include "ZnHeaderView.h"
#include "ZnRowPanelStyle.h"
#include "ZnTextDelegate.h"
#include "ZnToolTip.h"

namespace {

// The room a cell's text gets beside the cell's own margins.
int CellMargin(const QWidget& view) {
    return 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1) + 2;
}

// Shows a cell's whole text as a (plain-text) tool tip when it is cut, and the list's own tip,
// if it has one, anywhere else.
class TElidedTipDelegate : public TZnTextDelegate {
public:
    using TZnTextDelegate::TZnTextDelegate;
    // A cell outside the region being painted would leave no pixel: a row with one changed cell
    // is drawn whole, its other cells are skipped here.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (painter == nullptr || !OutsideThePaint(*painter, option.rect))
            TZnTextDelegate::paint(painter, option, index);
    }
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
            return TZnTextDelegate::helpEvent(event, view, option, index);
        // A cell is cut when its column is too narrow or the viewport's edge crosses it.
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect shown = option.rect.intersected(view->viewport()->rect());
        const int room = shown.width() - CellMargin(*view) + 2;
        const bool cut = option.fontMetrics.horizontalAdvance(text) > room;
        return AnswerToolTip(event, view, cut ? text : view->toolTip());
    }
};

} // namespace

TZnListView::TZnListView(QWidget* parent)
    : QTreeView(parent), FModel(new TZnListModel(this)), FDelegate(new TElidedTipDelegate(this)) {
    UseKeptHeaderSizes(*this);
    TZnRowPanelStyle::SkipEmptyRowPanels(*this);
    setModel(FModel);
    setItemDelegate(FDelegate);
    setRootIsDecorated(false);
    // Rows without a parent or children take no indentation, and with none the view does not
    // look for branches to draw beside each row.
    setIndentation(0);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    // The selected row stays as visible without the focus as with it.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

TZnListView::~TZnListView() = default;

QString TZnListView::SortMark() const {
    if (!SortMarkUse)
        return {};
    return SortDown ? SortMarkDown : SortMarkUp;
}

void TZnListView::RebuildColumns() {
    if (ColumnInfos == nullptr)
        throw std::logic_error("TZnListView::RebuildColumns without ColumnInfos");
    const TZnListColumnInfos& infos = ColumnInfos->ColumnInfos();
    std::vector<TZnListColumn> columns(static_cast<size_t>(infos.VisibleCount()));
    for (size_t p = 0; p < columns.size(); ++p) {
        const TZnListColumnInfo* info = infos.ItemAtPosition(static_cast<int32_t>(p));
        if (info == nullptr)
            throw std::logic_error("column definitions break the order invariant");
        info->AssignToColumn(columns[p]);
        if (columns[p].Tag == SortColumnIndex)
            columns[p].Caption = SortMark() + columns[p].Caption;
    }
    SetColumns(std::move(columns));
}

void TZnListView::SetColumns(std::vector<TZnListColumn> columns) {
    FModel->SetColumns(std::move(columns));
    ApplyColumnWidths();
}

void TZnListView::ApplyColumnWidths() {
    const double scale = logicalDpiX() / 96.0;
    for (int32_t p = 0; p < ColumnCount(); ++p) {
        const TZnListColumn& column = Column(p);
        int32_t width = column.Width;
        if (column.MaxWidth > 0)
            width = std::min(width, column.MaxWidth);
        if (column.MinWidth > 0)
            width = std::max(width, column.MinWidth);
        header()->resizeSection(p, static_cast<int>(width * scale + 0.5));
    }
}

void TZnListView::SelectRow(int32_t row) {
    if (row < 0 || row >= RowCount())
        return;
    const QModelIndex index = FModel->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

int32_t TZnListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TZnListView::SetColumnFits(std::function<TColumnFit(int32_t tag)> fitOf) {
    FitOf = std::move(fitOf);
}

void TZnListView::FitColumns() {
    if (!FitOf)
        return;
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    const int margin = CellMargin(*this);
    // Each text is measured once: a new game's table is mostly zeros.
    QHash<QString, int> advances;
    const auto advance = [&](const QString& text) {
        auto kept = advances.constFind(text);
        if (kept == advances.cend())
            kept = advances.insert(text, metrics.horizontalAdvance(text));
        return *kept;
    };
    FittedWidths.assign(static_cast<size_t>(ColumnCount()), 0);
    for (int32_t p = 0; p < ColumnCount(); ++p) {
        int width = header()->sectionSizeHint(p);
        const TColumnFit fit = FitOf(Column(p).Tag);
        if (fit.Samples)
            for (const QString& sample : fit.Samples())
                width = std::max(width, advance(sample) + margin);
        for (int32_t row = 0; row < RowCount(); ++row)
            width = std::max(width, advance(CellText(row, p)) + margin);
        FittedWidths[static_cast<size_t>(p)] = width;
        header()->resizeSection(p, width);
    }
    StretchColumns();
    updateGeometry();
}

QSize TZnListView::ContentSize() const {
    int width = 0;
    for (int32_t p = 0; p < ColumnCount(); ++p)
        width += p < static_cast<int32_t>(FittedWidths.size())
                     ? FittedWidths[static_cast<size_t>(p)]
                     : header()->sectionSize(p);
    const int rowHeight = RowCount() > 0 ? std::max(sizeHintForRow(0), 1) : 0;
    const int frame = 2 * frameWidth();
    return {width + frame, header()->sizeHint().height() + RowCount() * rowHeight + frame};
}

QSize TZnListView::sizeHint() const {
    return ShowWhole ? ContentSize() : QTreeView::sizeHint();
}

void TZnListView::resizeEvent(QResizeEvent* event) {
    if (ShowWhole) {
        // Room for the whole content needs no scroll bar; asked of the scroll bars themselves,
        // one that came while the view was small would keep the other.
        const QSize content = ContentSize();
        const bool fits = width() >= content.width() && height() >= content.height();
        const Qt::ScrollBarPolicy policy = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
        if (policy != verticalScrollBarPolicy()) {
            setHorizontalScrollBarPolicy(policy);
            setVerticalScrollBarPolicy(policy);
        }
    }
    QTreeView::resizeEvent(event);
    StretchColumns();
    // The selected row (the player's) stays in sight whatever the size.
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void TZnListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    // Once the list has been painted, a cell painted again mostly shows a text the list has
    // shown before: it is kept as a picture from its first paint on.
    FDelegate->KeepPicturesAtFirstPaint(true);
}

void TZnListView::updateGeometries() {
    QTreeView::updateGeometries();
    StretchColumns(); // a scroll bar that came or went changed the free width
}

void TZnListView::StretchColumns() {
    if (Stretching || !FitOf || FittedWidths.size() != static_cast<size_t>(ColumnCount()))
        return;
    Stretching = true;
    int free = viewport()->width();
    std::vector<int32_t> stretched;
    for (int32_t p = 0; p < ColumnCount(); ++p) {
        free -= FittedWidths[static_cast<size_t>(p)];
        if (FitOf(Column(p).Tag).Stretch)
            stretched.push_back(p);
    }
    free = std::max(free, 0);
    for (size_t i = 0; i < stretched.size(); ++i) {
        // Equal shares; the last column takes what the division leaves.
        const int share = static_cast<int>(free / static_cast<int>(stretched.size()));
        const int extra = i + 1 == stretched.size()
                              ? free - share * static_cast<int>(stretched.size() - 1)
                              : share;
        header()->resizeSection(stretched[i],
                                FittedWidths[static_cast<size_t>(stretched[i])] + extra);
    }
    Stretching = false;
}
