#pragma once

#include "platform/fonts.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

// Builders for a window's controls: each gets its designer name as its
// object name (skins address it as #Command8), the window font and its place
// in twips.
namespace pentarix::controls {

template <class T>
T* make(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setFont(fonts::nazanin());
    return widget;
}

// Alignment as the window tables mean it: a left or right edge is the one the
// eye sees. In a right-to-left window Qt mirrors Qt::AlignLeft and
// Qt::AlignRight by the direction of the text unless Qt::AlignAbsolute is set,
// so Persian typed into a right-aligned box would sit at its left edge.
// Centring has no side and is left alone.
constexpr Qt::Alignment physical(Qt::Alignment alignment) {
    return alignment.testAnyFlags(Qt::AlignLeft | Qt::AlignRight) ? alignment | Qt::AlignAbsolute : alignment;
}

// Every alignment given to a label or a text box goes through these.
inline void align(QLabel* label, Qt::Alignment alignment) { label->setAlignment(physical(alignment)); }
inline void align(QLineEdit* box, Qt::Alignment alignment) { box->setAlignment(physical(alignment)); }

inline QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                           int width, int height) {
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    twips::place(b, left, top, width, height);
    return b;
}

// A caption stored colon first (" :نام") is laid out left to right, as it was
// written to be: the colon then follows the name as the reader meets it, and
// the leading blank keeps the colon off the box beside it.
inline bool colonFirst(const QString& caption) { return caption.trimmed().startsWith(QLatin1Char(':')); }

inline SkinLabel* label(QWidget* parent, const char* name, const QString& caption, Qt::Alignment alignment,
                        int left, int top, int width, int height) {
    auto* l = make<SkinLabel>(parent, name);
    l->setText(caption);
    if (colonFirst(caption)) l->setLayoutDirection(Qt::LeftToRight);
    align(l, alignment | Qt::AlignVCenter);
    twips::place(l, left, top, width, height);
    return l;
}

inline QLineEdit* textBox(QWidget* parent, const char* name, Qt::Alignment alignment, int left, int top,
                          int width, int height) {
    auto* box = make<QLineEdit>(parent, name);
    align(box, alignment);
    twips::place(box, left, top, width, height);
    return box;
}

// A text box the operator never sees: it carries a bound field for the logic.
inline QLineEdit* hiddenBox(QWidget* parent, const char* name) {
    auto* box = make<QLineEdit>(parent, name);
    box->hide();
    return box;
}

// A panel without caption, hidden until a handler shows it.
inline QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = make<QFrame>(parent, name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->hide();
    return frame;
}

// A drop-down list of fixed items with nothing picked.
inline QComboBox* list(QWidget* parent, const char* name, const QStringList& items, int left, int top, int width) {
    auto* combo = make<QComboBox>(parent, name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    twips::placeWidth(combo, left, top, width);
    return combo;
}

} // namespace pentarix::controls
