#include "ui/AmountEdit.h"

#include "ui/BalloonTip.h"

#include <QLocale>
#include <QValidator>
#include <algorithm>
#include <functional>

namespace {
// How long the balloon about refused input stays, like the wizards' other refusal balloons.
constexpr int kRefusalMs = 5000;

// Keeps the field's text to what AmountEntry reads from it, and reports each refusal.
class AmountValidator : public QValidator {
public:
    AmountValidator(const AmountEntry::Rules& rules,
                    std::function<void(AmountEntry::Refusal)> refused, QObject* parent)
        : QValidator(parent), rules_(rules), refused_(std::move(refused)) {}

    State validate(QString& input, int& position) const override {
        const AmountEntry::Reading reading = AmountEntry::read(input, rules_);
        refused_(reading.refusal);
        if (reading.refusal != AmountEntry::Refusal::None)
            return Invalid;
        // The cursor stays before the same digits: only characters the field does not keep
        // ("$", spaces, thousands separators) were taken out.
        const auto kept = [this](QChar character) {
            return (character >= u'0' && character <= u'9') || character == rules_.decimalPoint;
        };
        const auto after = std::count_if(input.cbegin() + position, input.cend(), kept);
        position = int(reading.text.size() - after);
        input = reading.text;
        return Acceptable;
    }

private:
    AmountEntry::Rules rules_;
    std::function<void(AmountEntry::Refusal)> refused_;
};

AmountEntry::Rules rulesFor(AmountEdit::Kind kind) {
    AmountEntry::Rules rules;
    rules.wholeNumber = kind == AmountEdit::Kind::WholeNumber;
    rules.decimalPoint = QLocale().decimalPoint().front();
    rules.groupSeparator = QLocale().groupSeparator().front();
    return rules;
}
} // namespace

AmountEdit::AmountEdit(Kind kind, QWidget* parent)
    : QLineEdit(parent), kind_(kind), rules_(rulesFor(kind)) {
    setValidator(new AmountValidator(
        rules_, [this](AmountEntry::Refusal refusal) { lastRefusal_ = refusal; }, this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::inputRejected, this, &AmountEdit::sayWhyRefused);
}

QString AmountEdit::refusalTitle() {
    return QStringLiteral("Please enter a proper value.");
}

void AmountEdit::sayWhyRefused() {
    if (lastRefusal_ == AmountEntry::Refusal::None)
        return;
    if (refusal_)
        refusal_->close();
    refusal_ =
        BalloonTip::showFor(this, refusalTitle(), AmountEntry::refusalText(lastRefusal_, rules_),
                            MessageIcon::Warning, false, kRefusalMs);
}

double AmountEdit::value() const {
    if (text().isEmpty())
        return 0;
    QString entry = text();
    // "12." is still being typed as 12.
    if (entry.endsWith(QLocale().decimalPoint()))
        entry.chop(QLocale().decimalPoint().size());
    return entry.isEmpty() ? 0 : QLocale().toDouble(entry);
}
