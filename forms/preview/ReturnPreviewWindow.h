#pragma once

#include "forms/preview/PreviewContext.h"

class QWidget;

// The "Preview Return" window: modal and maximised, the pages drawn by the page image player
// one below the other, with Print, Save As, E-mail and Transmittal Letter across the top
// ("Transmittal Letter" hidden for a return from the history). Returns when the user closes it.
void showReturnPreview(QWidget* parent, const PreviewContext& context);
