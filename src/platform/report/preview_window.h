#pragma once

#include "platform/report/printout.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace pentarix::report {

class PageCanvas;

// The preview of a report: pages one at a time, drawn when first looked at,
// with print, save as PDF, zoom and paging. Shown without waiting; it keeps
// its own copy of the printout, so it stays valid when the window that asked
// for it closes.
class PreviewWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);
    ~PreviewWindow() override;

    void setPrintout(std::shared_ptr<const Printout> printout);
    const Printout* printout() const noexcept { return printout_.get(); }

    int currentPage() const noexcept { return page_; } // 0-based
    int pageCount() const;
    double zoom() const noexcept { return zoom_; }

    // The page on screen, drawn now if it was not yet.
    const QImage& currentPageImage();

    // --- What the tool buttons do.
    void showPage(int page);
    void nextPage() { showPage(page_ + 1); }
    void previousPage() { showPage(page_ - 1); }
    void firstPage() { showPage(0); }
    void lastPage() { showPage(pageCount() - 1); }
    void zoomIn();
    void zoomOut();
    void fitWidth();
    // Asks for a file and writes the PDF there; false when cancelled or failed.
    bool saveAsPdf();
    // Asks for a printer and prints; false when cancelled or failed.
    bool print();
    // A button of the report's owner after PDF, enabled while there are pages.
    QToolButton* addAction(const QString& name, const QString& label, const QString& tip,
                           const std::function<void(QWidget* preview)>& run);

    QToolButton* printButton;
    QToolButton* pdfButton;
    QToolButton* zoomInButton;
    QToolButton* zoomOutButton;
    QToolButton* fitButton;
    QToolButton* firstButton;
    QToolButton* previousButton;
    QLineEdit* pageBox;
    QLabel* pageCountLabel;
    QToolButton* nextButton;
    QToolButton* lastButton;
    QToolButton* closeButton;

    // The first time it opens, the preview is placed inside the free area of
    // the screen the operator works on, frame included.
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeOnScreen(const QMargins& frame);
    void buildControls();
    QWidget* buildToolBar();
    void wire();
    void pageBoxEdited();
    void setZoom(double zoom);
    void updateControls();

    std::shared_ptr<const Printout> printout_;
    QScrollArea* scroll_;
    PageCanvas* canvas_;
    int page_ = 0;
    double zoom_ = 1.0;
    bool fitted_ = false;
    // The page follows the window's width until the operator zooms.
    bool followWidth_ = true;
    bool placed_ = false;
    bool frameSeen_ = false;
    std::vector<QToolButton*> actionButtons_;
};

} // namespace pentarix::report
