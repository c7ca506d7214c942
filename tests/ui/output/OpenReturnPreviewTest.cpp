#include "output/ReturnPreviewWindow.h"
#include "support/BlankReturnPages.h"
#include "support/TestFiles.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A preview whose page files went missing or empty after they were unpacked does not open as
// blank sheets: the preparer is told, and the preview document is not left behind.
TEST(OpenReturnPreview, APageFileThatCannotBeReadBackStopsThePreview) {
    const std::pair<const char*, void (*)(const QString&)> damages[] = {
        {"removed", [](const QString& path) { QFile::remove(path); }},
        {"emptied", [](const QString& path) { QFile(path).open(QIODevice::WriteOnly); }},
    };
    for (const auto& [damage, apply] : damages) {
        const BlankReturnPages blank;
        ASSERT_EQ(blank.pages().size(), 5u);
        // A page taken back from the history is a file.
        const QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("EMF004"));
        TestFiles::writeAll(file, blank.pages()[3].image());
        apply(file);
        PreviewContext context;
        context.pages = blank.pages();
        context.pages[3] = pageOfFile(file);
        const QString document = QDir::temp().filePath(QStringLiteral("Preview-3-15-2005.doc"));
        ScriptedMessages messages;
        // A window that opened in spite of the damage is closed by this poll, which ends
        // with the loop pass, so it never catches a later test's window.
        bool windowOpened = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&windowOpened] {
            if (auto* window =
                    qobject_cast<ReturnPreviewWindow*>(QApplication::activeModalWidget())) {
                windowOpened = true;
                window->accept();
            }
        });
        poll.start(5);
        EXPECT_FALSE(openReturnPreview(nullptr, context, document)) << damage;
        EXPECT_EQ(messages.shown,
                  QStringList{QStringLiteral("An error occurred while loading return preview.")})
            << damage;
        EXPECT_FALSE(windowOpened) << damage;
        EXPECT_FALSE(QFile::exists(document)) << damage;
    }
}
} // namespace
