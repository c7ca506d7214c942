#pragma once

#include "forms/preview/PreviewContext.h"

#include <QString>

class QWidget;

// "Save As" of the preview window: the preparer picks a name; ".pdf" writes the return as a
// PDF (a name without an extension gets ".pdf"), ".doc" copies the preview document, any
// other extension is refused with a message. A saved return says where it went, and its folder
// is where the dialog opens next. "Save Failed!" when the file cannot be written; a cancelled
// export leaves nothing behind and says nothing.
void saveReturnAs(QWidget* parent, const PreviewContext& context,
                  const QString& previewDocumentPath);

// "E-mail" of the preview window: the preparer checks the message in a compose dialog, then
// the return goes as a PDF with "Instructions.doc" to the client, through the mail server of
// the "Mail" settings or, without one, through the desktop's mail program.
void emailReturn(QWidget* parent, const PreviewContext& context);

// Forgets the mail server password kept for this run (it is asked for again).
void forgetMailPassword();
