#pragma once

// Allowed: a folder to the left, the widget kit, a header beside it, outside headers.
#include "Rounding.h"
#include "platform/Clock.h"
#include "sqlite3.h"
#include "ui/Button.h"

#include <vector>
