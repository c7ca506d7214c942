// The program's entry point: the Qt application object, then start-up in its fixed order.
#include "app/PreparerApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    CPreparerApp application;
    if (!application.initInstance())
        return 1;
    return QApplication::exec();
}
