#pragma once

#include "forms/FormPage.h"
#include "forms/filling/FieldWriter.h"

#include <optional>
#include <span>

// A form page with a fill: every fill starts by blanking all fields of the form's table and
// then writes its fields in a fixed order, stopping at the first write that fails. The form
// remembers which key stopped its last fill.
class FilledForm : public FormPage {
public:
    explicit FilledForm(std::span<FormField> table) : FormPage(table), table_(table) {}

    // The form's field table (shared by every object of the form).
    std::span<const FormField> fieldTable() const { return table_; }
    // The text now in a field, read from the working image where the field's placeholder
    // stands in the template; a null text when the image lacks the placeholder.
    QString fieldText(int key) const;
    // The same from another image of this form, such as a page file the form wrote; a null
    // text when the image is not as long as the form's template.
    QString fieldTextIn(const QByteArray& image, int key) const;
    // The key whose write failed in the last fill; none when the last fill wrote every field.
    std::optional<int> failedKey() const {
        return failure_ ? std::optional<int>(failure_->key) : std::nullopt;
    }
    // The write that stopped the last fill, with the text that did not fit.
    const std::optional<FieldFailure>& failure() const { return failure_; }

protected:
    // Blanks every field and returns the writer of the fill.
    FieldWriter beginFill();
    // Records how the fill ended; true when every write succeeded.
    bool endFill(const FieldWriter& writer);

private:
    std::span<FormField> table_;
    std::optional<FieldFailure> failure_;
};
