#include "PriceLinks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "GameGoalrun.h"
#include "GamePage.h"
#include "GamePrice.h"
#include "ZnFlowLayout.h"
#include "WindowWords.h"

TPriceLinks::TPriceLinks(QWidget* parent) : QWidget(parent) {
    // The prices wrap onto further rows when the column is narrow; each after the first brings
    // its separator along.
    auto* flow = new TZnFlowLayout(this, 0);
    flow->setContentsMargins(0, 0, 0, 0);
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
        flow->addWidget(item);
        Buttons[i] = button;
    }
    // Without a next match the prices hide and keep their room.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

QSize TPriceLinks::minimumSizeHint() const {
    return {layout()->minimumSize().width(), layout()->heightForWidth(width())};
}

QSize TPriceLinks::sizeHint() const {
    const QLayout& flow = *layout();
    int width = flow.contentsMargins().left() + flow.contentsMargins().right();
    for (int i = 0; i < flow.count(); ++i)
        width += flow.itemAt(i)->sizeHint().width() + (i > 0 ? flow.spacing() : 0);
    return {width, flow.heightForWidth(width)};
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
    if (event->size().width() != event->oldSize().width())
        updateGeometry();
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
