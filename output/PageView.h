#pragma once

#include "forms/PageEntry.h"
#include "forms/preview/RenderedPages.h"

#include <QAbstractScrollArea>

// The pages of a return one below the other on a grey desk, the way a document viewer shows
// them: continuous scrolling, zoom (Ctrl+wheel, Ctrl+plus/minus), fit width and fit page,
// Page Up/Down (a screen at a time, stopping at the top of a page), Home and End. A page that
// comes into view is drawn by the page image player straight onto the screen, only its part in
// view, and drawn again to be kept (within a memory budget, RenderedPages) once the screen shows
// it, so later paints of it cost a copy; nothing on the pages can be selected or changed.
class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Fit { None, Width, Page };

    explicit PageView(QWidget* parent = nullptr);

    // Takes the page images; a page whose file cannot be read shows as a blank sheet.
    void setPages(const PageList& pages);
    // The same with the page images already read.
    void setPageImages(PageImages images);
    int pageCount() const { return pages_.pageCount(); }
    // The bytes of drawn pages the view keeps.
    std::int64_t bytesKept() const { return pages_.bytesKept(); }
    // The page at the middle of the window, counted from 0.
    int currentPage() const;
    void showPage(int index);

    double zoom() const { return zoom_; }
    Fit fit() const { return fit_; }
    void setZoom(double zoom);
    void setFit(Fit fit);

public slots:
    void zoomIn();
    void zoomOut();
    void fitWidth() { setFit(Fit::Width); }
    void fitPage() { setFit(Fit::Page); }

signals:
    void currentPageChanged(int index, int count);
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize pageSize() const;
    int pageTop(int index) const;
    void applyFit();
    void updateScrollBars();
    void reportCurrentPage();
    void scrollByScreen(int direction);
    // The pages in view: each one's sheet in the viewport and its part in view, in page pixels.
    struct InView {
        int index;
        QRect sheet;
        QRect onPage;
    };
    QList<InView> pagesInView() const;
    void keepPagesInView();

    RenderedPages pages_;
    bool keepingPlanned_ = false;
    double zoom_ = 1.0;
    Fit fit_ = Fit::Width;
    int lastReportedPage_ = -1;
};
