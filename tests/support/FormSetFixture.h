#pragma once

#include "forms/filling/FormSet.h"

#include <gtest/gtest.h>

// A test suite that fills a form set of its own, loaded with the program's page images
// once for the suite.
class FormSetFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        set = new FormSet;
        ASSERT_EQ(loadFormImages(*set), 0);
    }
    static void TearDownTestSuite() {
        delete set;
        set = nullptr;
    }

    static inline FormSet* set = nullptr;
};
