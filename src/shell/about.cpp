#include "shell/about.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "shell/about_texts.h"
#include "shell/contact.h"
#include "shell/shell_fonts.h"

#include <QColor>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <random>

namespace pentarix {

namespace texts = about_texts;

namespace {

// The classic 16-colour console palette; the colour steps use its even entries.
const std::array<QColor, 16> kPalette = {
    QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),     QColor(0, 128, 128),
    QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0),   QColor(192, 192, 192),
    QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
    QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0),   QColor(255, 255, 255)};

// Blanks spread after each character of the stored sentence (0: none); 35
// runs of 1 to 22 blanks.
constexpr std::array<int, 42> kBlankRuns = {12, 18, 1, 0, 0,  15, 0,  5, 2,  0,  1,  12, 13, 1,
                                            8,  1,  18, 13, 1,  15, 0, 1, 5,  19, 20, 0,  17, 1,
                                            17, 15, 12, 1,  7,  1,  0, 15, 1, 7,  12, 3,  17, 3};

// The ticks of the sentence assembly are meant to be watched: they come at
// the pace of a desktop's system timer, not as fast as the machine allows.
constexpr int kAssemblyInterval = 16;

// Never seeded: every run of the program draws the same colours.
std::mt19937& colourDraws() {
    static std::mt19937 generator;
    return generator;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* creditLabel(QWidget* parent, const char* name, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(shell_fonts::arial(15.75));
    // A credit line grows to the left from its right edge.
    controls::align(label, Qt::AlignRight | Qt::AlignVCenter);
    twips::place(label, left, top, 1005, 360);
    return label;
}

QTimer* timer(QObject* parent, const char* name, int interval) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(interval);
    return t;
}

// Latin contact data keeps its own reading order inside a Persian line.
QString isolated(const QString& latin) { return QStringLiteral("\u2066") + latin + QStringLiteral("\u2069"); }

} // namespace

About::About() {
    setObjectName(QStringLiteral("About"));
    buildControls();
    wire();
    // These three run from the moment the window exists; the assembly waits
    // for the load step.
    Timer1->start();
    Timer2->start();
    Timer10->start();
}

About::~About() = default;

void About::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 8430, 7200);
    background_ = platform::picture(QStringLiteral("about_background"));

    Command1 = controls::button(this, "Command1", texts::kCommand1Caption, 7200, 180, 795, 495);

    Label1 = creditLabel(this, "Label1", 6600, 1920);
    Label2 = creditLabel(this, "Label2", 6630, 2640);
    Label3 = creditLabel(this, "Label3", 6645, 3240);
    Label4 = creditLabel(this, "Label4", 6630, 3840);
    const std::array<QLabel*, 4> labels = {Label1, Label2, Label3, Label4};
    for (std::size_t i = 0; i < labels.size(); ++i) rightEdge_[i] = labels[i]->geometry().right();
    // Bright starting colours on the dark sky; Label1 and Label3 change with the steps.
    setTextColour(Label1, QColor(255, 255, 255));
    setTextColour(Label2, QColor(255, 214, 140));
    setTextColour(Label3, QColor(190, 225, 255));
    setTextColour(Label4, QColor(255, 214, 140));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(fonts::arial(9, false));
    Text1->setLayoutDirection(Qt::LeftToRight);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setReadOnly(true);
    Text1->setStyleSheet(QStringLiteral("QLineEdit { color: rgb(0, 0, 192); background-color: #ffffff; }"));
    twips::place(Text1, 2040, 6600, 4095, 285);

    Timer1 = timer(this, "Timer1", 700);
    Timer2 = timer(this, "Timer2", 55);
    Timer3 = timer(this, "Timer3", kAssemblyInterval);
    Timer10 = timer(this, "Timer10", 55);
}

void About::wire() {
    connectHandler(Command1, &QPushButton::clicked, this, &About::Command1_Click);
    connectHandler(Timer1, &QTimer::timeout, this, &About::Timer1_Timer);
    connectHandler(Timer2, &QTimer::timeout, this, &About::Timer2_Timer);
    connectHandler(Timer3, &QTimer::timeout, this, &About::Timer3_Timer);
    connectHandler(Timer10, &QTimer::timeout, this, &About::Timer10_Timer);
}

QStringList About::creditLines() {
    return {texts::kSlot1Label,
            QStringLiteral(" ") + contact::kFullName,
            texts::kSlot3Label + QStringLiteral(" ") + contact::kTeam,
            texts::kSlot4Label + QStringLiteral(" ") + isolated(contact::kTelephone) + QStringLiteral(" "),
            texts::kSlot5Label + QStringLiteral(" ") + isolated(contact::kEmail) + QStringLiteral("  "),
            texts::kSlot6Label + QStringLiteral(" ") + isolated(contact::kMainSiteShown),
            contact::kSecondSiteLabel + QStringLiteral(" ") + isolated(contact::kSecondSiteShown),
            QString(),
            QString()};
}

QString About::creditSentence() {
    const QString& words = texts::kCreditWords;
    QString sentence;
    for (qsizetype i = 0; i < words.size(); ++i) {
        sentence += words[i];
        if (i < static_cast<qsizetype>(kBlankRuns.size())) {
            sentence += QString(kBlankRuns[static_cast<std::size_t>(i)], QLatin1Char(' '));
        }
    }
    return sentence;
}

void About::Form_Load() {
    Timer3->start();
    Text1->setText(creditSentence());
    Text1->setCursorPosition(0);
    find_ = QStringLiteral(" ");
    replace_ = QString();
    twips::moveWindow(this, 1100, 1200);
    lines_ = creditLines();
    setCredit(Label1, lines_[0]);
    setCredit(Label2, lines_[1]);
    setCredit(Label3, lines_[2]);
    setCredit(Label4, lines_[3]);
    slot_ = 4;
}

void About::Form_Unload() {
    // No tick may reach the window between its unload and its deletion.
    for (QTimer* t : {Timer1, Timer2, Timer3, Timer10}) t->stop();
}

void About::Command1_Click() { close(); }

void About::Timer1_Timer() {
    if (colour_ > 15) colour_ = 0;
    setTextColour(Label1, kPalette[static_cast<std::size_t>(colour_)]);
    colour_ += 2;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double r1 = unit(colourDraws());
    const double r2 = unit(colourDraws());
    const double r3 = unit(colourDraws());
    setTextColour(Label3, QColor(static_cast<int>(std::lround(r1 * 255)), static_cast<int>(std::lround(r2 * 255)),
                                 static_cast<int>(std::lround(r3 * 255))));
}

void About::Timer2_Timer() {
    const QString caption = windowTitle();
    if (twips::fromPx(width()) - 1700 < twips::fromPx(fontMetrics().horizontalAdvance(caption))) {
        direction_ = QStringLiteral("B");
    } else if (caption.size() == 6) {
        direction_ = QStringLiteral("T");
    }
    if (direction_ == QLatin1String("T")) setWindowTitle(QStringLiteral(" ") + caption);
    else if (direction_ == QLatin1String("B")) setWindowTitle(caption.mid(1));
}

void About::Timer3_Timer() {
    if (find_.isEmpty() || find_ == replace_) return;
    QString text = Text1->text();
    const qsizetype at = text.indexOf(find_);
    if (at >= 0) {
        text.replace(at, find_.size(), replace_);
        Text1->setText(text);
        Text1->setCursorPosition(0);
        return;
    }
    find_ = QStringLiteral(".");
    replace_ = QStringLiteral(" ");
}

void About::Timer10_Timer() {
    const std::array<QLabel*, 4> labels = {Label1, Label2, Label3, Label4};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QLabel* label = labels[i];
        if (twips::fromPx(label->y()) > 1000) continue;
        label->move(label->x(), twips::px(twips::fromPx(frameGeometry().height()) - 1500));
        ++slot_;
        setCredit(label, lines_.value(slot_ - 1));
        break;
    }
    if (slot_ == 9) slot_ = 0;
    for (QLabel* label : labels) label->move(label->x(), label->y() - twips::px(15));
}

void About::setCredit(QLabel* label, const QString& line) {
    const std::array<QLabel*, 4> labels = {Label1, Label2, Label3, Label4};
    std::size_t index = 0;
    while (labels[index] != label) ++index;
    label->setText(line);
    const int width = std::max(twips::px(1005), label->fontMetrics().horizontalAdvance(line) + 8);
    const int right = rightEdge_[index];
    label->setGeometry(std::max(0, right - width + 1), label->y(), width, label->height());
}

void About::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(8, 14, 42));
    painter.drawPixmap(0, 0, background_);
}

} // namespace pentarix
