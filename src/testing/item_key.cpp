#include "testing/item_key.h"

#include <algorithm>
#include <cmath>

namespace pentarix {

namespace {

// Items 1 to 38 alternate, odd forward and even reversed; from 39 on the
// pattern breaks (39 reversed, 40 to 43 forward).
constexpr std::array<int, 27> kForward = {1,  3,  5,  7,  9,  11, 13, 15, 17, 19, 21, 23, 25, 27,
                                          29, 31, 33, 35, 37, 40, 41, 42, 43, 45, 47, 48, 50};
constexpr std::array<int, 23> kReversed = {2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22, 24,
                                           26, 28, 30, 32, 34, 36, 38, 39, 44, 46, 49};

static_assert(kForward.size() + kReversed.size() == ItemKey::kItems);

} // namespace

const std::array<int, 27>& ItemKey::forwardItems() { return kForward; }
const std::array<int, 23>& ItemKey::reversedItems() { return kReversed; }

bool ItemKey::isItem(double n) { return n >= 1 && n <= kItems && std::floor(n) == n; }

ItemKey::Direction ItemKey::directionOf(int item) {
    return std::binary_search(kReversed.begin(), kReversed.end(), item) ? Direction::Reversed
                                                                        : Direction::Forward;
}

int ItemKey::valueOf(int option, Direction direction) {
    return direction == Direction::Forward ? option : kOptions + 1 - option;
}

std::optional<int> ItemKey::optionOf(double value, Direction direction) {
    for (int option = 1; option <= kOptions; ++option) {
        if (valueOf(option, direction) == value) return option;
    }
    return std::nullopt;
}

} // namespace pentarix
