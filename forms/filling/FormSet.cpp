#include "forms/filling/FormSet.h"

#include "forms/FormImages.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"

#include <memory>

FormSet& forms() {
    static FormSet programForms;
    return programForms;
}

int loadFormImages(FormSet& set) {
    using namespace FormImages;
    FormPage* const singlePages[] = {&set.st1, &set.st1Worksheet, &set.st14, &set.st4, &set.st8};
    const Id singleImages[] = {kSt1Page1, kSt1Page2, kSt14, kSt4, kSt8};
    for (size_t page = 0; page < std::size(singlePages); ++page) {
        if (singlePages[page]->loadImage(path(singleImages[page])) != kFormPageOk)
            return kFormPageFailed;
    }
    for (St2PageForm& st2Page : set.st2Pages) {
        if (st2Page.loadImage(path(kSt2Page)) != kFormPageOk)
            return kFormPageFailed;
    }
    return set.gasoholWorksheet.loadImage(path(kGasoholWorksheet));
}

void resetFormData(FormSet& set) {
    set.st1.resetData();
}

bool fillFromEmptyReturn(FormSet& set, ReturnRecord& emptyRecord, const FillContext& context) {
    bool filled = set.st1.fill(emptyRecord, context) == kSt1Ok;
    filled = set.st1Worksheet.fill(emptyRecord) && filled;
    filled = set.st4.fill(emptyRecord, context) && filled;
    filled = set.st14.fill(emptyRecord, set.st1.st14ScanLine(), context) && filled;
    filled = set.st8.fill(emptyRecord, context) && filled;
    for (St2PageForm& st2Page : set.st2Pages)
        filled = st2Page.fill({}, {}, {}) && filled;
    return filled;
}

bool bringFormsToBlankState(FormSet& set, const FillContext& context) {
    resetFormData(set);
    const auto emptyRecord = std::make_unique<ReturnRecord>();
    return fillFromEmptyReturn(set, *emptyRecord, context);
}

bool resetReturnAndForms(ReturnRecord& record, FormSet& set, const FillContext& context) {
    resetReturn(record);
    computeAll(record);
    resetFormData(set);
    return fillFromEmptyReturn(set, record, context);
}
