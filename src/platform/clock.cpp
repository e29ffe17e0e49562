#include "platform/clock.h"

namespace pentarix::platform {

namespace {
std::function<QDateTime()>& clock() {
    static std::function<QDateTime()> current;
    return current;
}
} // namespace

QDateTime now() { return clock() ? clock()() : QDateTime::currentDateTime(); }

void setClock(std::function<QDateTime()> c) { clock() = std::move(c); }

} // namespace pentarix::platform
