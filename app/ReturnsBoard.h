#pragma once

#include "history/ClientBoard.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QStatusBar;
class QTreeWidget;
class ViewportHint;

// "Returns Due", the practice board beside the client list: per client its filing frequency,
// last stored period, next period, due date, days left or late, last payment due and state,
// sorted by due date, with a filter for the returns due this month and the late ones. The
// state is said in words and shown by colour. Enter or a double click asks for a new return
// of that client. The board reads every client's history once when it is shown after its
// clients changed, and one client's again after a return wizard or the return history of that
// client closed; never when it repaints. It keeps what it read, also from one run to the next
// (in the user's cache folder): a history file unchanged since (same size and times) is not opened
// again. Its status bar counts the returns due this month and the late ones.
class ReturnsBoard : public QWidget {
    Q_OBJECT
public:
    enum class Filter { All, DueThisMonth, Late };

    explicit ReturnsBoard(QWidget* parent = nullptr);

    // The clients to list; their histories are read when the board is next shown.
    void setClients(std::vector<BoardClient> clients);
    // Reads every client's history now.
    void reload();
    void setFilter(Filter filter);

    QTreeWidget* list() const { return list_; }
    const std::vector<BoardRow>& rows() const { return rows_; }
    QString statusText() const;

public slots:
    // Reads the history of the client file `path` again (a return of it may have been stored).
    void refreshClient(const QString& path);

signals:
    void newReturnRequested(const QString& clientPath);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRows();
    void requestNewReturn();
    bool passesFilter(const BoardRow& row) const;

    std::vector<BoardClient> clients_;
    std::vector<BoardRow> rows_;
    HistoryOverviewCache histories_{OverviewSummaryFile::userPath()};
    bool stale_ = true;
    QDate readOn_;
    Filter filter_ = Filter::All;
    QComboBox* filterChoice_;
    QTreeWidget* list_;
    ViewportHint* emptyHint_;
    QStatusBar* statusBar_;
};
