#pragma once

#include <QDate>
#include <QWidget>
#include <vector>

class QCalendarWidget;
class QLabel;

// Several consecutive months side by side, with buttons to page back and forth a month at a
// time and today marked. It only shows dates; nothing is selected.
class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    MonthCalendar(int columns, int rows, QWidget* parent = nullptr);

    // Shows the months starting with the month of `date`.
    void showFrom(QDate date);
    QDate firstMonth() const { return firstMonth_; }
    int monthCount() const { return static_cast<int>(panes_.size()); }

private:
    struct Pane {
        QLabel* title;
        QCalendarWidget* month;
    };
    Pane makePane();
    std::vector<Pane> panes_;
    QLabel* rangeTitle_ = nullptr;
    QDate firstMonth_;
};
