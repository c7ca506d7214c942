#pragma once

#include "forms/PageEntry.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <vector>

// The pages of a return one below the other on a grey desk, the way a document viewer shows
// them: continuous scrolling, zoom (Ctrl+wheel, Ctrl+plus/minus), fit width and fit page,
// Page Up/Down, Home and End. Pages are drawn by the page image player at the zoom in use;
// nothing on them can be selected or changed.
class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Fit { None, Width, Page };

    explicit PageView(QWidget* parent = nullptr);

    // Reads the page files; a page whose file cannot be read shows as a blank sheet.
    void setPages(const PageList& pages);
    int pageCount() const { return static_cast<int>(pages_.size()); }
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
    struct Page {
        QByteArray image;
        QImage rendered; // at the zoom in use, made when first painted
    };
    QSize pageSize() const;
    int pageTop(int index) const;
    void applyFit();
    void updateScrollBars();
    const QImage& renderedPage(int index);
    void reportCurrentPage();

    std::vector<Page> pages_;
    double zoom_ = 1.0;
    Fit fit_ = Fit::Width;
    int lastReportedPage_ = -1;
};
