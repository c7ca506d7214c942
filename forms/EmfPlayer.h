#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// Plays a page image (an enhanced metafile) onto any QPainter: a widget for the preview, a
// printer, or an image. It plays the records the program's own page images use and the common
// drawing records of pages written by other programs; unknown records are skipped. The whole
// image is checked before anything is drawn, so a truncated or garbled file, or one asking for
// far more drawing than a page needs, is refused with a message and draws nothing. Text is drawn
// glyph by glyph at the positions the image gives, so every character lands in its cell whatever
// the font's own advances are.
class EmfPlayer {
public:
    explicit EmfPlayer(QByteArray image);

    bool isValid() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    // The page size from the image's frame, in inches (8.5 x 11 for the form pages).
    QSizeF pageSizeInches() const;

    // Draws the page stretched into the target rectangle, in the painter's coordinates. The
    // painter's state is as before afterwards. False, with nothing drawn, for an invalid image.
    bool play(QPainter& painter, const QRectF& target) const;

private:
    QByteArray image_;
    QString error_;
};

// The page drawn on white at the given resolution (a letter page at 200 dpi is 1700 x 2200
// pixels). A null image, with the reason in `error`, for an invalid page image.
QImage renderPage(const QByteArray& image, int dotsPerInch, QString* error = nullptr);
