#include "forms/EmfPlayer.h"
#include "targets/FuzzEntries.h"

#include <QImage>
#include <QPainter>

void FuzzEntries::emfPlayer(const QByteArray& input) {
    const EmfPlayer player(input);
    player.pageSizeInches();
    if (!player.isValid())
        return;
    renderPage(input, 200);
    // A target away from the origin and smaller than the page, as a preview thumbnail has.
    QImage picture(120, 160, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    player.play(painter, QRectF(10, 10, 100, 140));
}
