// The editor layout's button stretching: the space left is shared in proportion to the buttons'
// laid-out widths, the first sharing button taking the remainder, and buttons of natural width
// (whose own Width is 0) share it too instead of dividing by a zero total.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <vector>

#include "controls/editors/kx_edit_view_data.h"

namespace {

TEST(EditButtonStretching, SharesTheSpaceByLaidOutWidths) {
  struct Case {
    const char* name;
    std::vector<Integer> widths;
    std::array<bool, 3> stretchable;
    Integer space;
    std::vector<Integer> gains;
  };
  const Case cases[] = {
      {"three stretchable buttons", {10, 10, 20}, {{true, true, true}}, 20, {5, 5, 10}},
      {"the first takes the remainder", {10, 10, 10}, {{true, true, true}}, 10, {4, 3, 3}},
      {"natural-width buttons, none stretchable", {16, 16}, {{false, false}}, 9, {5, 4}},
      {"only the stretchable share", {16, 20, 16}, {{false, true, true}}, 12, {0, 7, 5}},
      {"no space left", {10, 20}, {{true, true}}, 0, {0, 0}},
      {"narrower than the buttons", {10, 20}, {{true, true}}, -5, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShareStretchSpace(c.widths, std::span<const bool>(c.stretchable.data(), c.widths.size()), c.space),
              c.gains)
        << c.name;
  }
}

}  // namespace
