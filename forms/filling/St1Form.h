#pragma once

#include "forms/filling/FillContext.h"
#include "forms/filling/FilledForm.h"
#include "forms/filling/St1KeptValues.h"

struct ReturnRecord;
struct St1Section;

// A field of ST-1 page 1 could not be written (a text longer than its field, a placeholder
// missing from the image). The bases of lines 4a to 8a not adding up is kSt1BasesDoNotAddUp.
inline constexpr int kSt1FieldFailed = -7;

// The figures page 1 prints for these ST-1 lines (amounts, the six rates, the voucher
// amount), without any text.
St1KeptValues keptFiguresOf(const St1Section& st1);

// ST-1 page 1 (image 188): Steps 1 to 8 and the payment voucher. Besides the page it keeps
// what it printed (for the combined ST-1 of a multi-site return) and the two scan lines, the
// ST-14 one for the ST-14 page.
class St1Form : public FilledForm {
public:
    St1Form();

    // Computes ST-1 and writes the page. 0 on success; kSt1BasesDoNotAddUp (-6) when the
    // bases do not add up, with no field changed; kSt1FieldFailed (-7) at the first write that
    // fails, the fields written before it keeping their texts.
    int fill(ReturnRecord& record, const FillContext& context);
    // The combined ST-1 of a multi-site return, written from the kept values over a page that
    // the page 1 fill has just filled from empty data (so no blanking first). False at the
    // first write that fails.
    bool fillCombined(const FillContext& context);

    St1KeptValues& kept() { return kept_; }
    const St1KeptValues& kept() const { return kept_; }
    // The scan lines of the last fill; empty when it did not build them (-6, or -7 for the
    // ST-14 one, which is built only once the page is complete).
    const QString& st1ScanLine() const { return st1ScanLine_; }
    const QString& st14ScanLine() const { return st14ScanLine_; }

    // Forgets the kept values and the scan lines.
    void resetData();

private:
    St1KeptValues kept_;
    QString st1ScanLine_;
    QString st14ScanLine_;
};
