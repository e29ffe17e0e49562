#include "platform/report/report_document.h"

namespace pentarix::report {

Control& Section::add(Control control) {
    controls_.push_back(std::move(control));
    return controls_.back();
}

Control& Section::addLabel(const QString& name, const QRect& box, const QString& text, const TextStyle& style) {
    Control c;
    c.kind = Control::Kind::Label;
    c.name = name;
    c.box = box;
    c.text = text;
    c.style = style;
    return add(std::move(c));
}

Control& Section::addTextBox(const QString& name, const QRect& box, const QString& field, const TextStyle& style) {
    Control c;
    c.kind = Control::Kind::TextBox;
    c.name = name;
    c.box = box;
    c.field = field;
    c.style = style;
    return add(std::move(c));
}

Control& Section::addPicture(const QString& name, const QRect& box, const QImage& picture) {
    Control c;
    c.kind = Control::Kind::Picture;
    c.name = name;
    c.box = box;
    c.picture = picture;
    return add(std::move(c));
}

Control& Section::addRectangle(const QString& name, const QRect& box, const QColor& fill) {
    Control c;
    c.kind = Control::Kind::Rectangle;
    c.name = name;
    c.box = box;
    c.fill = fill;
    return add(std::move(c));
}

Control& Section::addRule(const QString& name, QPoint from, int width, int height, int thickness) {
    Control c;
    c.kind = Control::Kind::Rule;
    c.name = name;
    c.box = QRect(from, QSize(width, height));
    c.thickness = thickness;
    return add(std::move(c));
}

Control* Section::control(const QString& name) {
    for (Control& c : controls_) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0) return &c;
    }
    return nullptr;
}

const Control* Section::control(const QString& name) const {
    return const_cast<Section*>(this)->control(name);
}

ReportDocument::ReportDocument()
    : sections_{Section(QStringLiteral("Section4")), Section(QStringLiteral("Section2")),
                Section(QStringLiteral("Section1")), Section(QStringLiteral("Section3")),
                Section(QStringLiteral("Section5"))} {}

Section* ReportDocument::section(const QString& name) {
    for (Section& s : sections_) {
        if (s.name().compare(name, Qt::CaseInsensitive) == 0) return &s;
    }
    return nullptr;
}

bool ReportDocument::setLabelText(const QString& sectionName, const QString& label, const QString& text) {
    Section* s = section(sectionName);
    Control* c = s ? s->control(label) : nullptr;
    if (!c || c->kind != Control::Kind::Label) return false;
    c->text = text;
    return true;
}

QString ReportDocument::labelText(const QString& sectionName, const QString& label) {
    Section* s = section(sectionName);
    const Control* c = s ? s->control(label) : nullptr;
    return c && c->kind == Control::Kind::Label ? c->text : QString();
}

QStringList ReportDocument::boundFields() const {
    QStringList fields;
    for (const Section& s : sections_) {
        for (const Control& c : s.controls()) {
            if (c.kind == Control::Kind::TextBox && !fields.contains(c.field, Qt::CaseInsensitive)) {
                fields << c.field;
            }
        }
    }
    return fields;
}

} // namespace pentarix::report
