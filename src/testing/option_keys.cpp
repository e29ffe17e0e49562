#include "testing/option_keys.h"

#include "testing/item_key.h"

#include <QtCore/qnamespace.h>

namespace pentarix {

namespace {

// The first digit, 1, of each script a layout may type the options in.
constexpr char16_t kDigitOnes[] = {u'1', u'\u06F1', u'\u0661'};

int optionOfDigit(char16_t c) {
    for (const char16_t one : kDigitOnes) {
        if (c >= one && c < one + ItemKey::kOptions) return c - one + 1;
    }
    return 0;
}

} // namespace

int optionOfKey(int key, const QString& text) {
    if (text.size() == 1) return optionOfDigit(text.front().unicode());
    if (!text.isEmpty()) return 0;
    return key >= Qt::Key_1 && key < Qt::Key_1 + ItemKey::kOptions ? key - Qt::Key_1 + 1 : 0;
}

} // namespace pentarix
