// Shared helpers of the test binaries: where the team's test files are.
#pragma once

#include <string>

#include <gtest/gtest.h>

// Skips the current test where the shared GEDCOM files are not present.
#define QV_REQUIRE_TESTDATA()                                         \
    do {                                                              \
        if (std::string(QV_TESTDATA_DIR).empty())                     \
            GTEST_SKIP() << "shared test data (Queen.ged …) not found"; \
    } while (false)

namespace qv::test {

inline std::string TestDataFile(const std::string& name)
{
    return std::string(QV_TESTDATA_DIR) + "/" + name;
}

}  // namespace qv::test
