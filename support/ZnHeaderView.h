#pragma once

#include <QCache>
#include <QFont>
#include <QHashFunctions>
#include <QHeaderView>
#include <QSize>
#include <QString>

// A header that keeps the size each section's caption asks for. The stock header measures the
// caption's text again whenever it sizes its sections, which a table sized to its contents does
// after every change of a cell: a report filled anew each matchday measured the same captions
// hundreds of times. A section with an icon or a size of its own is measured as the stock header
// does. Without highlighted sections, a new selection paints nothing of it again.
class TZnHeaderView : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

    // The most sizes kept; the least recently used goes first.
    static constexpr int MaxKeptSizes = 256;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void changeEvent(QEvent* event) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    // What a caption's size depends on besides the style, which drops every kept size when it
    // changes.
    struct TKey {
        QString Text;
        bool NoText = false; // no caption at all, which takes no margin, unlike an empty one
        QFont Font;
        bool SortMark = false;
        bool operator==(const TKey& other) const {
            return NoText == other.NoText && SortMark == other.SortMark && Text == other.Text &&
                   Font == other.Font;
        }
        friend size_t qHash(const TKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.Text, key.NoText, key.Font, key.SortMark);
        }
    };

    mutable QCache<TKey, QSize> Sizes{MaxKeptSizes};
};

class QTableView;
class QTreeView;

// Puts a caching header in place of each of the view's stock ones, with the stock one's settings;
// called when the view is made, before anything else is set on its headers.
void UseKeptHeaderSizes(QTreeView& view);
void UseKeptHeaderSizes(QTableView& view);
