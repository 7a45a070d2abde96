#include "placement.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

TEST(CentredOuterRect, CentresTheOuterWindowDroppingTheRemainder) {
  const struct {
    QRect screen;
    QPoint topLeft;
  } cases[] = {
      {{0, 0, 800, 600}, {158, 175}},
      {{0, 0, 801, 601}, {159, 176}},
      {{0, 0, 1920, 1080}, {718, 415}},
      {{0, 0, 1366, 768}, {441, 259}},
      {{0, 0, 483, 249}, {0, 0}},
      // Smaller than the window: the quotient is cut towards zero, as in C.
      {{0, 0, 400, 200}, {-41, -24}},
      // A primary screen that does not start at the origin.
      {{1920, 0, 1280, 1024}, {2318, 387}},
  };
  for (const auto& c : cases) {
    const QRect outer = CentredOuterRect(c.screen);
    EXPECT_EQ(outer, QRect(c.topLeft, QSize(483, 249))) << testing::PrintToString(c.screen);
  }
}

}  // namespace
