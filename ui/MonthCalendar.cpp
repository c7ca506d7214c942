#include "ui/MonthCalendar.h"

#include "platform/Clock.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* pagingButton(Qt::ArrowType arrow, const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setToolTip(tip);
    return button;
}

QFont boldFont(QFont font) {
    font.setBold(true);
    return font;
}
} // namespace

MonthCalendar::MonthCalendar(int columns, int rows, QWidget* parent) : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* header = new QHBoxLayout;
    auto* previous = pagingButton(Qt::LeftArrow, QStringLiteral("Previous month"), this);
    auto* next = pagingButton(Qt::RightArrow, QStringLiteral("Next month"), this);
    auto* today = new QToolButton(this);
    today->setText(QStringLiteral("Today"));
    today->setAutoRaise(true);
    rangeTitle_ = new QLabel(this);
    rangeTitle_->setAlignment(Qt::AlignCenter);
    rangeTitle_->setFont(boldFont(rangeTitle_->font()));
    header->addWidget(previous);
    header->addWidget(rangeTitle_, 1);
    header->addWidget(today);
    header->addWidget(next);
    outer->addLayout(header);

    auto* grid = new QGridLayout;
    grid->setSpacing(12);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const Pane pane = makePane();
            auto* cell = new QVBoxLayout;
            cell->addWidget(pane.title);
            cell->addWidget(pane.month, 1);
            grid->addLayout(cell, row, column);
            panes_.push_back(pane);
        }
    }
    outer->addLayout(grid, 1);

    connect(previous, &QToolButton::clicked, this, [this] { showFrom(firstMonth_.addMonths(-1)); });
    connect(next, &QToolButton::clicked, this, [this] { showFrom(firstMonth_.addMonths(1)); });
    connect(today, &QToolButton::clicked, this, [this] { showFrom(Clock::today()); });
    showFrom(Clock::today());
}

MonthCalendar::Pane MonthCalendar::makePane() {
    auto* title = new QLabel(this);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(boldFont(title->font()));
    auto* month = new QCalendarWidget(this);
    month->setNavigationBarVisible(false);
    month->setSelectionMode(QCalendarWidget::NoSelection);
    month->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    month->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    QTextCharFormat todayFormat;
    todayFormat.setFontWeight(QFont::Bold);
    todayFormat.setBackground(palette().color(QPalette::Highlight));
    todayFormat.setForeground(palette().color(QPalette::HighlightedText));
    month->setDateTextFormat(Clock::today(), todayFormat);
    return {title, month};
}

void MonthCalendar::showFrom(QDate date) {
    firstMonth_ = QDate(date.year(), date.month(), 1);
    QDate month = firstMonth_;
    for (const Pane& pane : panes_) {
        pane.title->setText(QLocale().toString(month, QStringLiteral("MMMM yyyy")));
        pane.month->setCurrentPage(month.year(), month.month());
        month = month.addMonths(1);
    }
    const QDate lastMonth = firstMonth_.addMonths(monthCount() - 1);
    rangeTitle_->setText(QStringLiteral("%1 \u2013 %2")
                             .arg(QLocale().toString(firstMonth_, QStringLiteral("MMMM yyyy")),
                                  QLocale().toString(lastMonth, QStringLiteral("MMMM yyyy"))));
}
