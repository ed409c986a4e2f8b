// The money shortcuts against the DECIMAL route on five million random pairs.
#include <gtest/gtest.h>

#include "oleauto_cy_decimal_pairs.h"

TEST(OleAutoCyDecimalFullTest, ShortcutsMatchTheRouteOnMillionsOfPairs) {
  cy_decimal_pairs::ExpectShortcutsMatchTheRoute(1'000'000, 1'848'2024);
}
