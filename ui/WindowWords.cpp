#include "WindowWords.h"

#include <algorithm>

#include "ConstsGoalrun.h"
#include "ZnMoneyText.h"
#include "GamePage.h"

QString WindowMoney(int64_t amount) {
    const auto clamped = static_cast<int32_t>(std::clamp<int64_t>(amount, INT32_MIN, INT32_MAX));
    return QString::fromStdString(MoneyText(clamped) + "円");
}

QString WindowTitle() {
    return FromView(ProductTitle);
}
