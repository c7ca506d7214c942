// The program's entry point. Until the main window lands this starts a plain window over the
// loaded sales tax table.
#include "platform/DataFiles.h"
#include "taxtables/TaxTable.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orlenfield"));
    QApplication::setApplicationName(QStringLiteral("Vantrobe"));

    TaxTable table;
    if (!table.load(DataFiles::locate(QStringLiteral("Data.tbl")))) {
        QMessageBox::critical(nullptr, QStringLiteral("Vantrobe"),
                              QStringLiteral("Loading sales tax tables failed."));
        return 1;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vantrobe"));
    window.setMinimumSize(632, 400);
    window.setCentralWidget(new QLabel(
        QStringLiteral("%1 locations in the sales tax table").arg(table.count()), &window));
    window.showMaximized();
    return QApplication::exec();
}
