#pragma once

#include "platform/fonts.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QFrame>
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

inline QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                           int width, int height) {
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    twips::place(b, left, top, width, height);
    return b;
}

inline SkinLabel* label(QWidget* parent, const char* name, const QString& caption, Qt::Alignment alignment,
                        int left, int top, int width, int height) {
    auto* l = make<SkinLabel>(parent, name);
    l->setText(caption);
    l->setAlignment(alignment | Qt::AlignVCenter);
    twips::place(l, left, top, width, height);
    return l;
}

inline QLineEdit* textBox(QWidget* parent, const char* name, Qt::Alignment alignment, int left, int top,
                          int width, int height) {
    auto* box = make<QLineEdit>(parent, name);
    box->setAlignment(alignment);
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
