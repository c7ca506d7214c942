#include "forms/multisite/FillFailureMessage.h"

QString fillFailureMessage(const QString& formName, const std::optional<FieldFailure>& failure) {
    QString message = QStringLiteral("An error occurred while printing %1").arg(formName);
    if (failure && failure->textTooLong())
        message += QStringLiteral("\nThe text \"%1\" is %2 characters long; the form has room "
                                  "for %3 characters.")
                       .arg(failure->text)
                       .arg(failure->text.size())
                       .arg(failure->room);
    return message;
}
