#pragma once

#include "PageScript.h"
#include "forms/EmfFonts.h"
#include "forms/EmfWriter.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <memory>

// Draws one form page from its description into a page image. Positions and sizes in the
// description are points (1/72 inch) from the page's top-left corner; the image is drawn in
// 1/288-inch logical units on a letter page.
//
// Commands:
//   page ID "DESCRIPTION"                    starts the page (first command)
//   font NAME "FACE" SIZE [bold] [italic]     names a label font
//   pen WIDTH                                 line width of the following lines and boxes
//   line X1 Y1 X2 Y2 | box X Y W H | shade X Y W H GRAY (0 black .. 255 white)
//   text FONT X Y "TEXT" [center|right]       a label; X is its left end, centre or right end
//   field KEY courier|ocra SIZE X Y "PLACEHOLDER" [within "TEXT"] [amount|amountline|box|line]
//       one fixed-cell text item whose placeholder's first character has its baseline at X Y;
//       "within" sets the placeholder inside a longer text item; the last word frames the
//       field: an amount box or amount line with the cents divider under the fourth cell from
//       the right, a box or an underline.
class PageDrawer {
public:
    PageDrawer();
    ~PageDrawer();

    // The page image, or empty bytes with a message naming the line.
    QByteArray draw(const QList<PageCommand>& commands, QString& error);

private:
    // Where a field's placeholder was drawn, to check that the image's first occurrence of
    // that text is this one: the field search takes the first.
    struct DrawnField {
        QString placeholder;
        qsizetype offset;
        int line;
    };

    struct LabelFont {
        EmfFont font;
        quint32 handle = 0;
    };

    bool run(const PageCommand& command);
    bool startPage(const PageCommand& command);
    bool defineFont(const PageCommand& command);
    bool drawLine(const PageCommand& command);
    bool drawBox(const PageCommand& command, bool filled);
    bool drawLabel(const PageCommand& command);
    bool drawField(const PageCommand& command);
    void frameField(const QString& frame, QPoint start, int cells, int cellWidth);

    void usePen(int width);
    void useBrush(int gray);
    void useFont(quint32 handle);
    void strokeLine(QPoint from, QPoint to);
    void strokeBox(const QRect& box);
    QList<qint32> labelAdvances(const EmfFont& font, const QString& text);
    bool fail(const PageCommand& command, const QString& message);
    bool checkFieldsComeFirst(const QByteArray& image);

    std::unique_ptr<EmfWriter> writer_;
    QHash<QString, LabelFont> fonts_;
    QList<DrawnField> fields_;
    QHash<QString, quint32> fieldFonts_;
    QHash<int, quint32> pens_;
    QHash<int, quint32> brushes_;
    quint32 selectedPen_ = 0;
    quint32 selectedBrush_ = 0;
    quint32 selectedFont_ = 0;
    int penWidth_ = 2;
    QString error_;
};
