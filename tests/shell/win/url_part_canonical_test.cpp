#include "url_part_canonical.h"

#include <gtest/gtest.h>

namespace {

TEST(CanonicaliseUrlPart, EscapesTheSpaceBetweenTwoWords) {
    EXPECT_EQ(CanonicaliseUrlPart(L"jazz radio"), L"jazz%20radio");
}

}  // namespace
