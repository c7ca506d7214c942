#pragma once

// The steps of the return wizards, by their page numbers; the numbers are defined with the
// entry steps they identify.
#include "returns/entry/ReturnPageKeys.h"
