#pragma once

#include "forms/PageEntry.h"
#include "forms/mail/MailResult.h"

#include <QString>

class MailDelivery;
class QWidget;

enum class ExportOutcome { Written, Failed, Cancelled };

// Writes the pages as a PDF with a progress window that shows the pages done when the export
// takes longer than a moment; its Cancel button stops the export and removes what was begun.
ExportOutcome exportPdfWithProgress(QWidget* parent, const QString& pdfPath, const PageList& pages);

// Sends the message of `delivery` on its own thread while the same kind of progress window
// shows how much is sent; the window's Cancel button stops the transfer (UserCancelled). The
// events of the program go on meanwhile.
MailResult deliverWithProgress(QWidget* parent, MailDelivery& delivery, const QString& recipient);
