#pragma once

// Allowed: forms/ is above returns/.
#include "returns/Calculation.h"
