#include "platform/report/preview_window.h"

#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/long_work.h"
#include "platform/modal.h"
#include "platform/report/preview_texts.h"
#include "platform/twips.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace pentarix::report {

namespace texts = preview_texts;

namespace {

constexpr double kScreenDpi = 96.0; // zoom 1: the page at its real size on a common screen
constexpr int kPaperMargin = 12;    // pixels of grey around the page
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
// Where the screen has the room: a page's width with the tool bar above it.
constexpr int kPreferredWidth = 13800;
constexpr int kPreferredHeight = 11700;

// The window the operator is working in when the preview opens.
const QWidget* openerOf(const QWidget* preview) {
    const QWidget* active = QApplication::activeWindow();
    return active && active != preview ? active : nullptr;
}

// The frame a window manager draws around a window is known only once one
// is on screen: the opener's, or that of any window shown, tells it.
QMargins frameOf(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

QMargins expectedFrame(const QWidget* preview) {
    if (const QWidget* opener = openerOf(preview)) return frameOf(opener);
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top != preview && top->isVisible() && top->windowType() == Qt::Window) return frameOf(top);
    }
    return QMargins();
}

} // namespace

// The page on screen: drawn once per page and zoom, then only copied.
class PageCanvas final : public QWidget {
public:
    explicit PageCanvas(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

    void show(const Printout* printout, int page, double zoom) {
        printout_ = printout;
        page_ = page;
        zoom_ = zoom;
        image_ = QImage();
        const QSize paper = printout ? printout->paperSize() : QSize(11906, 16838);
        const double scale = kScreenDpi * zoom / 1440.0;
        setFixedSize(static_cast<int>(std::ceil(paper.width() * scale)) + 2 * kPaperMargin,
                     static_cast<int>(std::ceil(paper.height() * scale)) + 2 * kPaperMargin);
        update();
    }

    const QImage& image() {
        if (image_.isNull() && printout_ && page_ >= 0 && page_ < printout_->pageCount()) {
            image_ = printout_->pageImage(page_, kScreenDpi * zoom_, devicePixelRatioF());
        }
        return image_;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        const QImage& page = image();
        if (page.isNull()) return;
        const QPoint at(kPaperMargin, kPaperMargin);
        painter.fillRect(QRect(at + QPoint(3, 3), page.deviceIndependentSize().toSize()), QColor(0x50, 0x50, 0x50));
        painter.drawImage(at, page);
    }

private:
    const Printout* printout_ = nullptr;
    int page_ = 0;
    double zoom_ = 1.0;
    QImage image_;
};

namespace {

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, const QString& tip = QString()) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(tip.isEmpty() ? text : tip);
    button->setFont(fonts::nazanin(10));
    button->setAutoRaise(true);
    return button;
}

} // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ReportPreview"));
    // A window of its own that the operator can resize, maximise and minimise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setLayoutDirection(Qt::RightToLeft);
    buildControls();
    wire();
    resize(twips::size(kPreferredWidth, kPreferredHeight));
    updateControls();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildControls() {
    QWidget* bar = buildToolBar();
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PreviewPages"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    canvas_ = new PageCanvas(scroll_);
    scroll_->setWidget(canvas_);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(bar);
    column->addWidget(scroll_, 1);
}

// Printing, zoom and paging, in groups, with Close at the far end.
QWidget* PreviewWindow::buildToolBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PreviewToolBar"));
    printButton = toolButton(bar, "printButton", texts::kPrint, texts::kPrintTip);
    pdfButton = toolButton(bar, "pdfButton", texts::kPdf, texts::kPdfTip);
    zoomInButton = toolButton(bar, "zoomInButton", texts::kZoomIn);
    zoomOutButton = toolButton(bar, "zoomOutButton", texts::kZoomOut);
    fitButton = toolButton(bar, "fitButton", texts::kFit);
    firstButton = toolButton(bar, "firstButton", texts::kFirst);
    previousButton = toolButton(bar, "previousButton", texts::kPrevious);
    auto* pageCaption = new QLabel(texts::kPage, bar);
    pageCaption->setFont(fonts::nazanin(10));
    pageBox = new QLineEdit(bar);
    pageBox->setObjectName(QStringLiteral("pageBox"));
    pageBox->setAlignment(Qt::AlignCenter);
    pageBox->setFixedWidth(56);
    pageBox->setValidator(new QIntValidator(1, 1000000, pageBox));
    pageCountLabel = new QLabel(bar);
    pageCountLabel->setObjectName(QStringLiteral("pageCountLabel"));
    pageCountLabel->setFont(fonts::nazanin(10));
    nextButton = toolButton(bar, "nextButton", texts::kNext);
    lastButton = toolButton(bar, "lastButton", texts::kLast);
    closeButton = toolButton(bar, "closeButton", texts::kClose);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);
    // A gap between groups where the list holds no control.
    const std::initializer_list<QWidget*> order = {printButton,  pdfButton,      nullptr,
                                                   zoomInButton, zoomOutButton,  fitButton,
                                                   nullptr,      firstButton,    previousButton,
                                                   pageCaption,  pageBox,        pageCountLabel,
                                                   nextButton,   lastButton};
    for (QWidget* control : order) {
        if (control) row->addWidget(control);
        else row->addSpacing(12);
    }
    row->addStretch(1);
    row->addWidget(closeButton);
    return bar;
}

void PreviewWindow::wire() {
    connectHandler(printButton, &QToolButton::clicked, this, &PreviewWindow::print);
    connectHandler(pdfButton, &QToolButton::clicked, this, &PreviewWindow::saveAsPdf);
    connectHandler(zoomInButton, &QToolButton::clicked, this, &PreviewWindow::zoomIn);
    connectHandler(zoomOutButton, &QToolButton::clicked, this, &PreviewWindow::zoomOut);
    connectHandler(fitButton, &QToolButton::clicked, this, &PreviewWindow::fitWidth);
    connectHandler(firstButton, &QToolButton::clicked, this, &PreviewWindow::firstPage);
    connectHandler(previousButton, &QToolButton::clicked, this, &PreviewWindow::previousPage);
    connectHandler(pageBox, &QLineEdit::editingFinished, this, &PreviewWindow::pageBoxEdited);
    connectHandler(nextButton, &QToolButton::clicked, this, &PreviewWindow::nextPage);
    connectHandler(lastButton, &QToolButton::clicked, this, &PreviewWindow::lastPage);
    connectHandler(closeButton, &QToolButton::clicked, this, &QWidget::close);
}

void PreviewWindow::setPrintout(std::shared_ptr<const Printout> printout) {
    printout_ = std::move(printout);
    setWindowTitle(printout_ ? printout_->document().title : QString());
    page_ = 0;
    canvas_->show(printout_.get(), page_, zoom_);
    updateControls();
}

int PreviewWindow::pageCount() const { return printout_ ? printout_->pageCount() : 0; }

const QImage& PreviewWindow::currentPageImage() { return canvas_->image(); }

void PreviewWindow::showPage(int page) {
    page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    if (page != page_) {
        page_ = page;
        canvas_->show(printout_.get(), page_, zoom_);
        scroll_->verticalScrollBar()->setValue(0);
    }
    updateControls();
}

void PreviewWindow::pageBoxEdited() { showPage(pageBox->text().toInt() - 1); }

void PreviewWindow::setZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (std::abs(zoom - zoom_) < 1e-9) return;
    zoom_ = zoom;
    canvas_->show(printout_.get(), page_, zoom_);
    updateControls();
}

void PreviewWindow::zoomIn() {
    followWidth_ = false;
    setZoom(zoom_ * 1.25);
}

void PreviewWindow::zoomOut() {
    followWidth_ = false;
    setZoom(zoom_ / 1.25);
}

void PreviewWindow::fitWidth() {
    followWidth_ = true;
    if (!printout_) return;
    const int room = scroll_->viewport()->width() - 2 * kPaperMargin - scroll_->verticalScrollBar()->sizeHint().width();
    const double pageWidth = printout_->paperSize().width() * kScreenDpi / 1440.0;
    if (room > 50) setZoom(room / pageWidth);
}

void PreviewWindow::updateControls() {
    const int count = pageCount();
    pageBox->setText(QString::number(count ? page_ + 1 : 0));
    pageCountLabel->setText(texts::kOf.arg(count));
    firstButton->setEnabled(page_ > 0);
    previousButton->setEnabled(page_ > 0);
    nextButton->setEnabled(page_ + 1 < count);
    lastButton->setEnabled(page_ + 1 < count);
    zoomInButton->setEnabled(zoom_ < kMaxZoom - 1e-9);
    zoomOutButton->setEnabled(zoom_ > kMinZoom + 1e-9);
    printButton->setEnabled(count > 0);
    pdfButton->setEnabled(count > 0);
    for (QToolButton* button : actionButtons_) button->setEnabled(count > 0);
}

QToolButton* PreviewWindow::addAction(const QString& name, const QString& label, const QString& tip,
                                      const std::function<void(QWidget*)>& run) {
    auto* row = static_cast<QHBoxLayout*>(pdfButton->parentWidget()->layout());
    QToolButton* button = toolButton(pdfButton->parentWidget(), "", label, tip);
    button->setObjectName(name);
    row->insertWidget(row->indexOf(pdfButton) + 1 + static_cast<int>(actionButtons_.size()), button);
    actionButtons_.push_back(button);
    QObject::connect(button, &QToolButton::clicked, this, [this, run] { runHandler(this, [&] { run(this); }); });
    button->setEnabled(pageCount() > 0);
    return button;
}

bool PreviewWindow::saveAsPdf() {
    if (!printout_) return false;
    platform::FileDialogRequest request;
    request.title = texts::kPdfDialogTitle;
    request.directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (request.directory.isEmpty()) request.directory = QDir::homePath();
    request.fileName = (printout_->document().title.isEmpty() ? QStringLiteral("report") : printout_->document().title) +
                       QStringLiteral(".pdf");
    request.filter = texts::kPdfFilter;
    QString path = platform::modal().saveFileName(this, request);
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    // The printout stays with the work even if the preview is shown anew.
    const std::shared_ptr<const Printout> printout = printout_;
    platform::WorkEnd end = platform::WorkEnd::Failed;
    {
        platform::LongWork work(this, texts::kPdfProgress, printout->pageCount());
        end = printout->writePdf(path, work.unitDone());
    }
    if (end != platform::WorkEnd::Failed) return end == platform::WorkEnd::Done;
    platform::modal().messageBox(this, texts::kPdfFailed + QStringLiteral("\n\u2068") + path + QStringLiteral("\u2069"),
                                 texts::kPdfFailedTitle,
                                 platform::style::kIconExclamation | platform::style::kRightToLeftReading);
    return false;
}

bool PreviewWindow::print() {
    if (!printout_) return false;
    QPrinter printer(QPrinter::HighResolution);
    if (!platform::modal().printDialog(this, printer, 1, pageCount())) return false;
    const std::shared_ptr<const Printout> printout = printout_;
    platform::WorkEnd end = platform::WorkEnd::Failed;
    {
        const int from = printer.printRange() == QPrinter::PageRange ? printer.fromPage() : 1;
        const int to = printer.printRange() == QPrinter::PageRange ? printer.toPage() : pageCount();
        platform::LongWork work(this, texts::kPrintProgress, std::max(1, to - from + 1));
        end = printout->print(printer, work.unitDone());
    }
    if (end != platform::WorkEnd::Failed) return end == platform::WorkEnd::Done;
    platform::modal().messageBox(this, texts::kPrintFailed, texts::kPdfFailedTitle,
                                 platform::style::kIconExclamation | platform::style::kRightToLeftReading);
    return false;
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    bool taken = true;
    runHandler(this, [&] {
        if (event->matches(QKeySequence::Print)) {
            print();
        } else if (event->key() == Qt::Key_PageDown) {
            nextPage();
        } else if (event->key() == Qt::Key_PageUp) {
            previousPage();
        } else if (event->matches(QKeySequence::ZoomIn)) {
            zoomIn();
        } else if (event->matches(QKeySequence::ZoomOut)) {
            zoomOut();
        } else {
            taken = false;
        }
    });
    if (!taken) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PreviewWindow::setVisible(bool visible) {
    // Placed before the first show lays the window out, so that the page is
    // fitted to the width it opens with.
    if (visible && !placed_) {
        placed_ = true;
        placeOnScreen(expectedFrame(this));
    }
    QWidget::setVisible(visible);
}

// Its preferred size where the room allows, at the top of the free area,
// across from the opener where one side leaves more of it uncovered.
void PreviewWindow::placeOnScreen(const QMargins& frame) {
    const QWidget* opener = openerOf(this);
    const QScreen* target = opener ? opener->screen() : screen();
    if (!target) return;
    const QRect room = target->availableGeometry();
    const QSize client = twips::size(kPreferredWidth, kPreferredHeight).boundedTo(room.size().shrunkBy(frame));
    QRect outer(room.topLeft(), client.grownBy(frame));
    QRect atRight = outer.translated(room.right() - outer.right(), 0);
    if (opener) {
        const QRect covered = opener->frameGeometry();
        const auto hidden = [&covered](const QRect& r) {
            const QRect both = r.intersected(covered);
            return both.width() * both.height();
        };
        if (hidden(atRight) < hidden(outer)) outer = atRight;
    } else {
        outer.moveCenter(QPoint(room.center().x(), outer.center().y()));
    }
    resize(client);
    move(outer.topLeft());
}

void PreviewWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The frame met on screen may be larger than the one expected: bring it
    // inside once, and leave later moves to the operator.
    if (frameSeen_ || !isVisible() || frameGeometry() == geometry()) return;
    frameSeen_ = true;
    const QRect room = screen() ? screen()->availableGeometry() : QRect();
    if (!room.isEmpty() && !room.contains(frameGeometry())) placeOnScreen(frameOf(this));
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitted_ && followWidth_) fitWidth();
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The page fills the window's width the first time it opens.
    if (!fitted_) {
        fitted_ = true;
        fitWidth();
    }
}

} // namespace pentarix::report
