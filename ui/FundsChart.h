#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QWidget>

// A small line chart of the coach's funds over a season: a point when the season began and one
// after each played matchday (investment, bonus, prize). Points the game does not know are gaps
// in the line. The lowest and highest amounts label the scale, worded by the money format.
class TFundsChart : public QWidget {
    Q_OBJECT
public:
    explicit TFundsChart(QWidget* parent = nullptr);

    // `funds[0]` is the start of the season, `funds[k]` after matchday k; at most `matchdays`+1.
    void SetFunds(std::vector<std::optional<int64_t>> funds, int32_t matchdays);
    void SetMoneyFormat(std::function<QString(int64_t)> format) { FFormat = std::move(format); }
    [[nodiscard]] const std::vector<std::optional<int64_t>>& Funds() const { return FFunds; }

    // "資金: 開幕 2億円、第5節後 1億9500万円 (最高 2億円、最低 1億8000万円)", or what says that
    // nothing is known yet: the chart for a screen reader.
    [[nodiscard]] QString Summary() const;

    QSize sizeHint() const override { return {480, 110}; }
    QSize minimumSizeHint() const override { return {160, 70}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::optional<int64_t>> FFunds;
    int32_t FMatchdays = 30;
    std::function<QString(int64_t)> FFormat = [](int64_t v) { return QString::number(v); };
};
