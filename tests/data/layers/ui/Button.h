#pragma once

// The widget kit may include platform/.
#include "platform/Clock.h"
