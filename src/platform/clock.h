#pragma once

#include <QDateTime>

#include <functional>

namespace pentarix::platform {

// The present moment as the windows read it; tests may set another clock.
QDateTime now();
void setClock(std::function<QDateTime()> clock); // an empty function restores the real clock

} // namespace pentarix::platform
