#include "returns/import/FigureLayout.h"

#include "returns/entry/EntrySteps.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
QStringList everyColumn() {
    QStringList names = {QLatin1String(FigureLayout::kLocationNumber),
                         QLatin1String(FigureLayout::kName)};
    for (const EntrySteps::Step& step : EntrySteps::all()) {
        for (const EntrySteps::Field& field : step.fields)
            names << QLatin1String(field.key);
    }
    return names;
}

// Whether `text` names `column` as a word of its own.
bool names(const QString& text, const QString& column) {
    return text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(column)));
}
} // namespace

TEST(FigureLayout, TheHelpDescribesEveryColumn) {
    const QString help = FigureLayout::helpHtml();
    for (const QString& column : everyColumn()) {
        const QRegularExpression row(
            QStringLiteral("<tr><td><code>%1</code></td><td>([^<]+)</td>").arg(column));
        EXPECT_TRUE(row.match(help).hasMatch()) << column.toStdString();
    }
}

TEST(FigureLayout, TheReadmeAndTheProgramsHelpNameEveryColumn) {
    const QString readme = QString::fromUtf8(TestFiles::readAll(TestPaths::source("README.md")));
    const QString help = QString::fromUtf8(
        TestFiles::readAll(TestPaths::source("resources/app/vantrobe-help.html")));
    for (const QString& column : everyColumn()) {
        EXPECT_TRUE(names(readme, column)) << "README.md lacks " << column.toStdString();
        EXPECT_TRUE(names(help, column)) << "vantrobe-help.html lacks " << column.toStdString();
    }
}
