#pragma once

#include <vector>

#include <QWidget>

class QButtonGroup;
class QToolButton;

// The strip of the thirty matchdays: checkable buttons "1" … "30" (tool tips "第1節" … "第30節")
// in two rows, wrapping onto more when narrow, so every matchday is visible at once; exactly one
// of them is selected, like a tab strip.
class TMatchdayStrip : public QWidget {
    Q_OBJECT
public:
    explicit TMatchdayStrip(int count, QWidget* parent = nullptr);

    int Count() const { return static_cast<int>(Buttons.size()); }
    QToolButton* Button(int index) const { return Buttons.at(static_cast<size_t>(index)); }
    // The selected matchday index, 0-based.
    int TabIndex() const;
    // Selects a matchday without emitting Change; an index out of range is ignored.
    void SetTabIndex(int index);
    // Two rows of buttons.
    QSize sizeHint() const override;

signals:
    // The player selected another matchday.
    void Change();

private:
    QButtonGroup* Group;
    bool Updating = false; // set while the owner selects, which is not the player's change
    std::vector<QToolButton*> Buttons; // owned by the widget (Qt parent)
};
