#pragma once

#include "forms/filling/FieldWriter.h"

#include <QString>
#include <optional>

// The message for a form whose fill failed: "An error occurred while printing <form>", and,
// when a text did not fit, which text it was, how long it is and how much room the form has,
// so the preparer knows what to shorten.
QString fillFailureMessage(const QString& formName, const std::optional<FieldFailure>& failure);
