#pragma once

#include <QFile>
#include <QRect>
#include <QString>
#include <memory>

class CGlobalDoc;
class CMainFrame;
class QWidget;

// The files start-up reads and opens; tests point them elsewhere.
struct StartupFiles {
    QString taxTable; // the sales tax table, Data.tbl
    QString errorLog; // ErrorLog.txt in the working directory
    static StartupFiles standard();
};

// The application: brings the program up in a fixed order and holds what lives until exit,
// the document, the main window and the open error log.
class CPreparerApp {
public:
    explicit CPreparerApp(StartupFiles files = StartupFiles::standard());
    ~CPreparerApp();
    CPreparerApp(const CPreparerApp&) = delete;
    CPreparerApp& operator=(const CPreparerApp&) = delete;

    // Starts the program: document, main window, shared data, client list, the maximized
    // window, the error log, the start-up picture. False when the program must not start;
    // the one message has been shown then and no window is left.
    bool initInstance();

    CGlobalDoc* document() const { return document_.get(); }
    CMainFrame* mainFrame() const { return mainFrame_.get(); }

    // The main window's normal-size geometry on a screen's available area: as large as it
    // goes with room left for the window manager's title bar and frame.
    static QRect normalGeometry(const QRect& available, const QWidget& window);

private:
    bool loadSharedData();

    StartupFiles files_;
    // Declared before the main window, which reads it, so it is destroyed after it.
    std::unique_ptr<CGlobalDoc> document_;
    std::unique_ptr<CMainFrame> mainFrame_;
    QFile errorLog_;
};
