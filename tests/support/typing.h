#pragma once

#include <QString>

class QWidget;

namespace pentarix::test {

// Types text into a widget key by key, as the keyboard would, Persian
// letters included.
void typeText(QWidget* widget, const QString& text);

} // namespace pentarix::test
