#include "MatchdayStrip.h"

#include <algorithm>

#include <QCoreApplication>
#include <QButtonGroup>
#include <QToolButton>

#include "ZnFlowLayout.h"
#include "ZnTranslation.h"

namespace {

// A button as compact as a tab, all of one width, so that thirty of them take two rows.
class TMatchdayButton : public QToolButton {
public:
    explicit TMatchdayButton(QWidget* parent) : QToolButton(parent) {}
    QSize sizeHint() const override {
        // The flow layout asks each button many times a pass: its text is measured once for
        // each text, font and resolution.
        const int dpi = logicalDpiY();
        if (Hint.isEmpty() || HintText != text() || HintFont != font() || HintDpi != dpi) {
            const QFontMetrics metrics = fontMetrics();
            const int width = std::max(metrics.horizontalAdvance(QStringLiteral("88")),
                                       metrics.horizontalAdvance(text()));
            Hint = {width + 12, metrics.height() + 6};
            HintText = text();
            HintFont = font();
            HintDpi = dpi;
        }
        return Hint;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    mutable QSize Hint;
    mutable QString HintText;
    mutable QFont HintFont;
    mutable int HintDpi = 0;
};

constexpr int Gap = 1;
constexpr int PreferredRows = 2;

} // namespace

TMatchdayStrip::TMatchdayStrip(int count, QWidget* parent)
    : QWidget(parent), Group(new QButtonGroup(this)) {
    auto* flow = new TZnFlowLayout(this, Gap);
    Group->setExclusive(true);
    for (int i = 0; i < count; ++i) {
        auto* button = new TMatchdayButton(this);
        button->setText(QString::number(i + 1));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::TabFocus);
        Group->addButton(button, i);
        flow->addWidget(button);
        Buttons.push_back(button);
    }
    if (count > 0)
        Buttons.front()->setChecked(true);
    // The number on the button, the matchday's name in its tip and for a screen reader.
    KeepTranslated(*this, [this] {
        for (size_t i = 0; i < Buttons.size(); ++i) {
            const QString name = QCoreApplication::translate("GameWords", "第%1節").arg(i + 1);
            Buttons[i]->setToolTip(name);
            Buttons[i]->setAccessibleName(name);
        }
    });
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

QSize TMatchdayStrip::sizeHint() const {
    if (Buttons.empty())
        return {};
    // The matchdays in two rows.
    const QSize button = Buttons.front()->sizeHint();
    const int perRow = (Count() + PreferredRows - 1) / PreferredRows;
    return {perRow * (button.width() + Gap) - Gap, PreferredRows * (button.height() + Gap) - Gap};
}
