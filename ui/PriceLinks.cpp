#include "PriceLinks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

#include "GameGoalrun.h"
#include "GamePage.h"
#include "GamePrice.h"
#include "ZnFlowLayout.h"
#include "WindowWords.h"

TPriceLinks::TPriceLinks(QWidget* parent) : QWidget(parent) {
    // The prices wrap onto further rows when the column is narrow; each after the first brings
    // its separator along.
    Flow = std::make_unique<TZnFlowLayout>(nullptr, 0);
    for (size_t i = 0; i < Buttons.size(); ++i) {
        auto* item = new QWidget(this);
        auto* row = new QHBoxLayout(item);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        if (i > 0)
            row->addWidget(new QLabel(QStringLiteral("/"), item));
        auto* button = new QPushButton(item);
        button->setObjectName(QStringLiteral("BtnPrice%1").arg(PriceChances[i]));
        button->setFlat(true);
        button->setAutoDefault(true); // Enter on a focused price chooses it, as Space does
        button->setCursor(Qt::PointingHandCursor);
        // Link-coloured while it can be chosen; greyed as any button when the funds fall short.
        QPalette palette = button->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::ButtonText, palette.color(group, QPalette::Link));
        button->setPalette(palette);
        connect(button, &QPushButton::clicked, this, [this, i] { emit AmountChosen(Amounts[i]); });
        button->installEventFilter(this);
        row->addWidget(button);
        Flow->addWidget(item);
        Buttons[i] = button;
    }
    // Without a next match the prices hide and keep their room.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

TPriceLinks::~TPriceLinks() = default;

QSize TPriceLinks::minimumSizeHint() const {
    return {Flow->minimumSize().width(), Flow->heightForWidth(width())};
}

QSize TPriceLinks::sizeHint() const {
    // With the style's room between the prices, as a row of widgets has it.
    const int spacing = style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, this);
    int width = 0;
    for (int i = 0; i < Flow->count(); ++i)
        width += Flow->itemAt(i)->sizeHint().width() + (i > 0 ? spacing : 0);
    return {width, Flow->heightForWidth(width)};
}

int TPriceLinks::heightForWidth(int width) const {
    return Flow->heightForWidth(width);
}

bool TPriceLinks::event(QEvent* event) {
    // A price's room changed (its text did), or may have while the prices were hidden.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
        LayOutPrices();
    return QWidget::event(event);
}

void TPriceLinks::LayOutPrices() {
    Flow->setGeometry(rect());
    const QSize hint = sizeHint();
    const QSize minimum = minimumSizeHint();
    if (hint != Hint || minimum != MinimumHint) {
        Hint = hint;
        MinimumHint = minimum;
        updateGeometry();
    }
}

bool TPriceLinks::eventFilter(QObject* watched, QEvent* event) {
    // The focused price is underlined, as a focused link is: a flat button draws no frame of its
    // own, and the style's focus frame shows only after a key has moved the focus.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            QFont font = button->font();
            font.setUnderline(event->type() == QEvent::FocusIn);
            button->setFont(font);
        }
    return QWidget::eventFilter(watched, event);
}

void TPriceLinks::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The height the prices need follows the width.
    LayOutPrices();
}

void TPriceLinks::Refresh(const TZnGameGoalrun& game) {
    const bool next = game.CanPlayMatchday();
    for (size_t i = 0; i < Buttons.size(); ++i) {
        const int32_t percent = PriceChances[i];
        const auto price = next ? WinPrice(game, percent) : std::nullopt;
        Amounts[i] = price.value_or(0);
        const QString amount = !price        ? tr("資金不足")
                               : *price == 0 ? tr("不要")
                                             : WindowMoney(*price);
        // The text has no '&': a price is plain text, never a mnemonic.
        Buttons[i]->setText(QStringLiteral("%1%2%: %3")
                                .arg(i == 0 ? tr("勝率") : QString())
                                .arg(percent)
                                .arg(amount));
        Buttons[i]->setAccessibleName(tr("勝率%1%の強化費: %2").arg(percent).arg(amount));
        Buttons[i]->setToolTip(tr("この額を強化費の欄に入れます(投入はしません)"));
        Buttons[i]->setEnabled(next && price.has_value());
    }
    setVisible(next);
}
