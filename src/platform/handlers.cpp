#include "platform/handlers.h"

#include "data/data_error.h"
#include "platform/handlers_texts.h"
#include "platform/modal.h"

#include <QWidget>
#include <QtGlobal>

namespace pentarix {

namespace {

QWidget* ownerOf(QObject* context) {
    for (QObject* object = context; object; object = object->parent()) {
        if (auto* widget = qobject_cast<QWidget*>(object)) return widget->window();
    }
    return nullptr;
}

} // namespace

QString failureText(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const DataError& e) {
        return e.description();
    } catch (const std::exception& e) {
        // The text of a library is English: it follows the Persian sentence,
        // isolated so that it keeps its own reading order.
        return handlers_texts::kUnexpected + QStringLiteral("\n\u2066") + QString::fromLocal8Bit(e.what()) +
               QStringLiteral("\u2069");
    } catch (...) {
        return handlers_texts::kUnexpected;
    }
}

void reportFailure(QObject* context, const std::exception_ptr& failure) noexcept {
    try {
        platform::modal().messageBox(ownerOf(context), failureText(failure), handlers_texts::kTitle,
                                     platform::style::kIconCritical | platform::style::kRightToLeftReading);
    } catch (...) {
        // The box itself failed: nothing more can reach the operator, and the
        // event loop must still not be unwound.
        qWarning("pentarix: a failure could not be reported");
    }
}

} // namespace pentarix
