#include "FillingFixture.h"

FormSet* FillingTest::set = nullptr;
