#pragma once

#include "forms/PageEntry.h"
#include "returns/ReturnSummary.h"
#include "returns/inputs/StoredInputs.h"

#include <QString>

class QWidget;

// The end of a return wizard: when the return's pages were generated in this run, asks whether
// to add the return to the client's history and stores it on Yes. A failed store says nothing;
// the wizard finishes as usual. The caller drops the pages afterwards. The return's
// inputs are stored with it.
void offerReturnToHistory(QWidget* parent, const QString& clientFilePath, const PageList& pages,
                          const ReturnSummary& summary, const StoredInputs& inputs);
