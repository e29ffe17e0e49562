#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// A report document as the report designer lays one out: five sections, each
// with its height, holding labels, text boxes bound to fields of the row
// source, pictures, filled rectangles and rules, all placed in twips.
namespace pentarix::report {

// Where a text sits across its box. The box's own coordinates are already
// those of the page read right to left, so nothing is mirrored again.
enum class Align { Left, Center, Right };

struct TextStyle {
    QFont font; // sized in points, as designed
    Align align = Align::Center;
    QColor color = Qt::black;
    QColor background; // invalid: transparent
    bool wordWrap = true;
    // A text too long for its box is set smaller rather than cut: a single
    // line to the box's width, wrapped lines to the box's height.
    bool shrinkToFit = false;
    // The order in which the text reads; by default that of its first
    // letter. A caption stored with its colon first (":آدرس") reads as the
    // field name followed by the colon only from left to right.
    Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;
};

// A text box's format step: the field's text and the row's place in the
// printout (1 for the first row printed) in, the text to print out.
using FormatStep = std::function<QString(const QString& value, int rowNumber)>;

struct Control {
    enum class Kind { Label, TextBox, Picture, Rectangle, Rule };
    Kind kind = Kind::Label;
    QString name;
    QRect box;     // twips from the section's top left; a rule runs from box.topLeft() by box.size()
    QString text;  // a label's text
    QString field; // a text box's field
    TextStyle style;
    FormatStep format;
    QImage picture;
    QColor fill;     // a rectangle's ground
    QColor ink = Qt::black;
    int thickness = 15; // a rule's width, twips
};

class Section {
public:
    Section(QString name = QString(), int height = 0) : name_(std::move(name)), height_(height) {}

    const QString& name() const noexcept { return name_; }
    int height() const noexcept { return height_; }
    void setHeight(int twips) { height_ = twips; }
    const std::vector<Control>& controls() const noexcept { return controls_; }

    Control& addLabel(const QString& name, const QRect& box, const QString& text, const TextStyle& style);
    Control& addTextBox(const QString& name, const QRect& box, const QString& field, const TextStyle& style);
    Control& addPicture(const QString& name, const QRect& box, const QImage& picture);
    Control& addRectangle(const QString& name, const QRect& box, const QColor& fill);
    // A horizontal rule when height is 0, a vertical one when width is 0.
    Control& addRule(const QString& name, QPoint from, int width, int height, int thickness = 15);

    // nullptr when the section has no control of that name.
    Control* control(const QString& name);
    const Control* control(const QString& name) const;

private:
    Control& add(Control control);

    QString name_;
    int height_;
    std::vector<Control> controls_;
};

// Paper and margins, twips.
struct PageSetup {
    int paperWidth = 11906; // A4
    int paperHeight = 16838;
    int leftMargin = 1440;
    int rightMargin = 1440;
    int topMargin = 1440;
    int bottomMargin = 1440;
    int bodyWidth = 9026;
};

class ReportDocument {
public:
    enum SectionIndex { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

    ReportDocument();

    PageSetup page;
    QString title; // the preview window's caption and the PDF's title

    Section& reportHeader() { return sections_[ReportHeader]; }
    Section& pageHeader() { return sections_[PageHeader]; }
    Section& detail() { return sections_[Detail]; }
    Section& pageFooter() { return sections_[PageFooter]; }
    Section& reportFooter() { return sections_[ReportFooter]; }
    const Section& section(SectionIndex index) const { return sections_[static_cast<std::size_t>(index)]; }

    // Sections are also reached by their designer names: Section4 is the
    // report header, Section2 the page header, Section1 the detail, Section3
    // the page footer, Section5 the report footer. Names compare in any case.
    Section* section(const QString& name);

    // Sets a label's text; false when the section or the label is not there.
    bool setLabelText(const QString& section, const QString& label, const QString& text);
    QString labelText(const QString& section, const QString& label);

    // The fields the text boxes print, each once, in the order first used.
    QStringList boundFields() const;

private:
    std::array<Section, 5> sections_;
};

} // namespace pentarix::report
