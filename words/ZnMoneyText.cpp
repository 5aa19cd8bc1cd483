#include "ZnMoneyText.h"

std::string MoneyText(int32_t amount) {
    const int32_t cho = amount / 100000000;
    const int32_t rest = amount - cho * 100000000;
    const int32_t oku = rest / 10000;
    const int32_t man = rest - oku * 10000;
    std::string text;
    if (cho > 0)
        text += std::to_string(cho) + "兆";
    if (oku > 0)
        text += std::to_string(oku) + "億";
    if (man > 0)
        text += std::to_string(man) + "万";
    return text.empty() ? "0" : text;
}
