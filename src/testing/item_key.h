#pragma once

#include <array>
#include <optional>

namespace pentarix {

// The direction in which each of the 50 items is keyed. The key is applied
// when an answer is entered: the value stored for an item is already keyed,
// so scoring adds stored values as they are.
class ItemKey final {
public:
    enum class Direction { Forward, Reversed };

    static constexpr int kItems = 50;
    static constexpr int kOptions = 5;

    static const std::array<int, 27>& forwardItems();
    static const std::array<int, 23>& reversedItems();

    // Whether n names an item: the whole numbers 1 to 50 only.
    static bool isItem(double n);
    // The direction of item 1 .. 50.
    static Direction directionOf(int item);
    static bool isReversed(int item) { return directionOf(item) == Direction::Reversed; }

    // The stored value 1 .. 5 of option 1 .. 5 (Option1 on top): option k
    // stores k on a forward item and 6 - k on a reversed one.
    static int valueOf(int option, Direction direction);
    // The option 1 .. 5 that shows a stored value 1 .. 5; none for any other value.
    static std::optional<int> optionOf(double value, Direction direction);
};

} // namespace pentarix
