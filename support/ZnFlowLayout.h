#pragma once

// A layout that places its items left to right and wraps onto further rows, like a tab strip
// whose tabs wrap, spreading them evenly over the rows; its height follows its width.

#include <vector>

#include <QLayout>

class TZnFlowLayout : public QLayout {
public:
    explicit TZnFlowLayout(QWidget* parent = nullptr, int spacing = 2);
    ~TZnFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(Items.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int DoLayout(const QRect& rect, bool place) const;
    struct TWrapped {
        int Rows;
        int Height;
    };
    // Places (when `place`) the items in rows of at most `perRow` that fit `rect`'s width.
    TWrapped Wrap(const QRect& rect, int perRow, bool place) const;

    std::vector<QLayoutItem*> Items; // owned
    int Gap;
};
