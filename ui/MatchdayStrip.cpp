#include "MatchdayStrip.h"

#include <QButtonGroup>
#include <QToolButton>

#include "ZnFlowLayout.h"

namespace {

// A button as compact as a tab, so that thirty of them take few rows.
class TMatchdayButton : public QToolButton {
public:
    explicit TMatchdayButton(QWidget* parent) : QToolButton(parent) {}
    QSize sizeHint() const override {
        const QFontMetrics metrics = fontMetrics();
        return {metrics.horizontalAdvance(text()) + 10, metrics.height() + 6};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

} // namespace

TMatchdayStrip::TMatchdayStrip(int count, QWidget* parent)
    : QWidget(parent), Group(new QButtonGroup(this)) {
    auto* flow = new TZnFlowLayout(this, 1);
    Group->setExclusive(true);
    for (int i = 0; i < count; ++i) {
        auto* button = new TMatchdayButton(this);
        button->setText(QStringLiteral("第%1節").arg(i + 1));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::TabFocus);
        Group->addButton(button, i);
        flow->addWidget(button);
        Buttons.push_back(button);
    }
    if (count > 0)
        Buttons.front()->setChecked(true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // A click on the selected matchday changes nothing, as on a tab strip.
    connect(Group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && !Updating)
            emit Change();
    });
}

int TMatchdayStrip::TabIndex() const {
    return Group->checkedId();
}

void TMatchdayStrip::SetTabIndex(int index) {
    if (index < 0 || index >= Count())
        return;
    Updating = true;
    Buttons[static_cast<size_t>(index)]->setChecked(true);
    Updating = false;
}
