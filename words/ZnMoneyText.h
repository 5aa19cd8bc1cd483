#pragma once

#include <cstdint>
#include <string>

// The text of an amount of 万円 in 兆/億/万 groups, without "円": 12345 gives "1億2345万",
// 100000005 gives "1兆5万". Zero and every negative amount give "0".
std::string MoneyText(int32_t amount);
