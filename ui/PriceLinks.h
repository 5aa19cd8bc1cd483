#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <QWidget>

class QPushButton;
class TZnFlowLayout;
class TZnGameGoalrun;

// The price of a win in the next match, one link-like button for each chance of PriceChances:
// "勝率50%: 120万円 / 70%: 480万円 / 90%: 1450万円", "不要" when no investment is needed,
// "資金不足" when the funds cannot reach the chance. A click or Enter on a price hands its amount
// on; nothing is invested here. The price with the keyboard focus is underlined. Without a next
// match the prices hide and keep their room.
class TPriceLinks : public QWidget {
    Q_OBJECT
public:
    explicit TPriceLinks(QWidget* parent = nullptr);
    ~TPriceLinks() override;

    void Refresh(const TZnGameGoalrun& game);
    // At least as high as the rows the prices wrap onto at the present width, so that the column
    // makes room for every price rather than cutting the last ones off.
    QSize minimumSizeHint() const override;
    // The prices in one row: the window's initial size makes room for them unwrapped where it
    // can, whatever the length of the language's amounts.
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The amount of 万円 of the price the player chose (0 for "不要").
    void AmountChosen(int amount);

private:
    // Places the prices in the present width; tells the column only when the room they ask for
    // has changed.
    void LayOutPrices();

    // The prices' places, kept apart from the widget: a price's new text lays out the prices
    // alone, and the column and the window above it only when the room they need changes (every
    // matchday changes the prices, seldom their room).
    std::unique_ptr<TZnFlowLayout> Flow;
    QSize Hint, MinimumHint; // as the column last saw them
    std::array<QPushButton*, 3> Buttons{};
    std::array<int32_t, 3> Amounts{};
};
