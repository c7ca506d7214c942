#pragma once

#include "MultiSiteCaseRun.h"
#include "PrintedFields.h"
#include "forms/multisite/CombinedFills.h"
#include "returns/report/PreparedReturn.h"

#include <QJsonObject>
#include <gtest/gtest.h>
#include <string>

struct FormSet;

// A case's return prepared as its preview prepares it, for the runners that check what is
// made from it (explanations, the return's data) against its pages.
namespace PreparedCase {
// A single-site case computed with its steps recorded and its status. The clock stays pinned
// to the case's day; callers release it.
PreparedReturn singleSite(const QJsonObject& input);
// Its pages filled as the preview fills them (a copy of the return is filled); none printed
// when its bases do not add up.
PrintedFields::FilledPages filledPages(FormSet& set, const PreparedReturn& prepared,
                                       const QJsonObject& input);

// A multi-site case prepared as its preview prepares it, with the filled ST-1 pages of its
// combined return. The clock stays pinned to the case's day; callers release it.
struct MultiSite {
    MultiSite(const QJsonObject& input, FormSet& set);

    MultiSiteCaseRun run;
    CombinedFills fills;
    PreparedReturn prepared;
    PrintedFields::FilledPages pages;
};
} // namespace PreparedCase

// The fixture of a runner that checks what is made from every case's prepared return: it
// hands each single-site case, and each multi-site case prepared, to the runner's checks with
// the program's forms at hand.
class PreparedCaseRunner : public ::testing::Test {
protected:
    // A case as the checks get it: the case, its file, where it is for messages, its input.
    struct CaseAt {
        const QJsonObject& testCase;
        const QString& file;
        std::string where;
        QJsonObject input;
    };

    virtual void checkSingleSite(const CaseAt& at) = 0;
    virtual void checkMultiSite(const CaseAt& at, const PreparedCase::MultiSite& multiSite) = 0;

    void checkEverySingleSiteCase();
    // How many multi-site cases were checked.
    int checkEveryMultiSiteCase();

    FormSet* const set;

    PreparedCaseRunner();
};
