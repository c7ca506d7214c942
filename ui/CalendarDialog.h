#pragma once

#include <QDialog>

class MonthCalendar;

// The "Calendar" dialog: six months, three across and two down, and a "Close" button. It
// opens as large as the six months need, never beyond the screen, and can be resized.
class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalendarDialog(QWidget* parent = nullptr);
    MonthCalendar* calendar() const { return calendar_; }

private:
    MonthCalendar* calendar_;
};
