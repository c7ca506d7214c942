#pragma once

class QPagedPaintDevice;
class QTextDocument;

// Prints a letter on the device's printable area, cut down to whole inches and without further
// margins, page after page until all of it is out. The document itself is not changed.
// Returns false when the device cannot be painted on.
bool printLetter(const QTextDocument& letter, QPagedPaintDevice& device);
