#include "output/PageView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>

namespace {
// A letter page at 100 % is 8.5 x 11 inches at 96 pixels per inch.
constexpr double kPageWidth = 8.5 * 96;
constexpr double kPageHeight = 11 * 96;
constexpr int kGap = 16;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
constexpr double kZoomStep = 1.25;
const QColor kDesk(0x80, 0x80, 0x80);
} // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    // The scroll area fills its viewport with the Base colour.
    QPalette desk = viewport()->palette();
    desk.setColor(QPalette::Base, kDesk);
    viewport()->setPalette(desk);
    setAccessibleName(QStringLiteral("Pages of the return"));
}

void PageView::setPages(const PageList& pages) {
    setPageImages(readPageImages(pages));
}

void PageView::setPageImages(PageImages images) {
    pages_.setImages(std::move(images));
    lastReportedPage_ = -1;
    applyFit();
    verticalScrollBar()->setValue(0);
    reportCurrentPage();
}

QSize PageView::pageSize() const {
    return QSize(qRound(kPageWidth * zoom_), qRound(kPageHeight * zoom_));
}

int PageView::pageTop(int index) const {
    return kGap + index * (pageSize().height() + kGap);
}

int PageView::currentPage() const {
    if (pageCount() == 0)
        return 0;
    const int middle = verticalScrollBar()->value() + viewport()->height() / 2;
    const int page = (middle - kGap / 2) / (pageSize().height() + kGap);
    return std::clamp(page, 0, pageCount() - 1);
}

void PageView::showPage(int index) {
    if (pageCount() == 0)
        return;
    verticalScrollBar()->setValue(pageTop(std::clamp(index, 0, pageCount() - 1)) - kGap);
}

void PageView::setZoom(double zoom) {
    fit_ = Fit::None;
    const double clamped = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (std::abs(clamped - zoom_) < 1e-9)
        return;
    // Keep the page in view at the same place while the size changes.
    const double anchor = double(verticalScrollBar()->value()) / std::max(1, pageTop(1));
    zoom_ = clamped;
    pages_.forgetDrawn();
    updateScrollBars();
    verticalScrollBar()->setValue(qRound(anchor * pageTop(1)));
    viewport()->update();
    emit zoomChanged(zoom_);
}

void PageView::setFit(Fit fit) {
    fit_ = fit;
    applyFit();
}

void PageView::zoomIn() {
    setZoom(zoom_ * kZoomStep);
}

void PageView::zoomOut() {
    setZoom(zoom_ / kZoomStep);
}

void PageView::applyFit() {
    const Fit fit = fit_;
    const double room = viewport()->width() - 2 * kGap;
    const double widthZoom = room / kPageWidth;
    const double pageZoom = std::min(widthZoom, (viewport()->height() - 2 * kGap) / kPageHeight);
    if (fit == Fit::Width)
        setZoom(widthZoom);
    else if (fit == Fit::Page)
        setZoom(pageZoom);
    fit_ = fit;
    updateScrollBars();
}

void PageView::updateScrollBars() {
    const QSize page = pageSize();
    const int contentHeight = pageTop(pageCount());
    const int contentWidth = page.width() + 2 * kGap;
    verticalScrollBar()->setRange(0, std::max(0, contentHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(page.height() / 20 + 1);
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
}

QList<PageView::InView> PageView::pagesInView() const {
    QList<InView> inView;
    const QSize page = pageSize();
    const int left =
        std::max(kGap, (viewport()->width() - page.width()) / 2) - horizontalScrollBar()->value();
    const int scroll = verticalScrollBar()->value();
    const int first = std::max(0, (scroll - kGap) / (page.height() + kGap));
    for (int index = first; index < pageCount(); ++index) {
        const QRect sheet(QPoint(left, pageTop(index) - scroll), page);
        if (sheet.top() > viewport()->height())
            break;
        const QRect visible = sheet & viewport()->rect();
        if (!visible.isEmpty())
            inView.append({index, sheet, visible.translated(-sheet.topLeft())});
    }
    return inView;
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    bool drawnAnew = false;
    for (const InView& page : pagesInView()) {
        painter.fillRect(page.sheet.translated(3, 3), QColor(0, 0, 0, 90));
        const QRect visible = page.onPage.translated(page.sheet.topLeft());
        if (const auto piece = pages_.keptPiece(page.index, page.sheet.size(), page.onPage)) {
            painter.drawImage(visible, piece->image,
                              page.onPage.translated(-piece->area.topLeft()));
            continue;
        }
        // Not kept yet: only the part in view is drawn now, on the screen itself.
        painter.save();
        painter.setClipRect(visible, Qt::IntersectClip);
        painter.fillRect(visible, Qt::white);
        RenderedPages::drawPage(painter, pages_.image(page.index), QRectF(page.sheet));
        painter.restore();
        drawnAnew = true;
    }
    if (drawnAnew && !keepingPlanned_) {
        keepingPlanned_ = true;
        QTimer::singleShot(0, this, &PageView::keepPagesInView);
    }
}

// Once the screen shows them, the pages in view are drawn to be kept.
void PageView::keepPagesInView() {
    keepingPlanned_ = false;
    for (const InView& page : pagesInView())
        pages_.piece(page.index, page.sheet.size(), page.onPage, viewport()->size());
}

void PageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    applyFit();
    reportCurrentPage();
}

void PageView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    if (event->angleDelta().y() > 0)
        zoomIn();
    else if (event->angleDelta().y() < 0)
        zoomOut();
    event->accept();
}

void PageView::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(currentPage() + 1);
        break;
    case Qt::Key_PageUp:
        showPage(currentPage() - 1);
        break;
    case Qt::Key_Home:
        showPage(0);
        break;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (!control)
            return QAbstractScrollArea::keyPressEvent(event);
        zoomIn();
        break;
    case Qt::Key_Minus:
        if (!control)
            return QAbstractScrollArea::keyPressEvent(event);
        zoomOut();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PageView::scrollContentsBy(int, int) {
    viewport()->update();
    reportCurrentPage();
}

void PageView::reportCurrentPage() {
    const int page = currentPage();
    if (page == lastReportedPage_)
        return;
    lastReportedPage_ = page;
    emit currentPageChanged(page, pageCount());
}
