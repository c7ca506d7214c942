#include "support/LoadedForms.h"

#include "forms/filling/FormSet.h"

#include <gtest/gtest.h>
#include <memory>

FormSet& loadedForms() {
    static const std::unique_ptr<FormSet> set = [] {
        auto loaded = std::make_unique<FormSet>();
        EXPECT_EQ(loadFormImages(*loaded), 0) << "the page images cannot be loaded";
        return loaded;
    }();
    return *set;
}
