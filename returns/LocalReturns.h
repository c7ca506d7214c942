#pragma once

#include "returns/explain/StepRecorder.h"

struct ReturnRecord;

// The local returns a client may file besides ST-1: ST-14 (Chicago soft drink tax, 3 %),
// ST-4 (MPEA food and beverage tax, 1 %) and ST-8 (tire user fee, $2.50 a tire). Each
// computes its lines, the amount the ST-1 worksheet deducts for it and its payment due in the
// summary; `steps` hears every step.
void computeSt14(ReturnRecord& record, StepRecorder steps = {});
// Runs computeSt14 first (unheard): the ST-4 amount entered with all taxes contains the soft
// drink tax.
void computeSt4(ReturnRecord& record, StepRecorder steps = {});
void computeSt8(ReturnRecord& record, StepRecorder steps = {});
