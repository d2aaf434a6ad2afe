// TkxRect's change events and the rectangle routines.
#include <gtest/gtest.h>

#include <functional>

#include "controls/foundation/kx_geometry.h"
#include "platform/classes/class_registry.h"
#include "platform/classes/property_table.h"

namespace {

TEST(KxRect, FiresOnChangeOncePerRealChange) {
  struct Case {
    const char* what;
    std::function<void(TkxRect&)> change;
    int events;
    TRect after;
  };
  const Case kCases[] = {
      {"same left", [](TkxRect& r) { r.SetLeft(1); }, 0, {1, 2, 3, 4}},
      {"new left", [](TkxRect& r) { r.SetLeft(5); }, 1, {5, 2, 3, 4}},
      {"new bottom", [](TkxRect& r) { r.SetBottom(9); }, 1, {1, 2, 3, 9}},
      {"index 3 is bottom", [](TkxRect& r) { r.SetCoordinate(3, 8); }, 1, {1, 2, 3, 8}},
      {"index 4 is ignored", [](TkxRect& r) { r.SetCoordinate(4, 8); }, 0, {1, 2, 3, 4}},
      {"same bounds", [](TkxRect& r) { r.SetBoundsRect({1, 2, 3, 4}); }, 0, {1, 2, 3, 4}},
      {"all four at once", [](TkxRect& r) { r.SetBoundsRect({0, 0, 10, 10}); }, 1, {0, 0, 10, 10}},
      {"assign from another", [](TkxRect& r) {
         TkxRect other(nullptr);
         other.SetBoundsRect({7, 7, 8, 8});
         r.Assign(&other);
       }, 1, {7, 7, 8, 8}},
      {"assign from a foreign class is ignored", [](TkxRect& r) {
         TPersistent other;
         r.Assign(&other);
       }, 0, {1, 2, 3, 4}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    TkxRect rect(nullptr);
    rect.SetBoundsRect({1, 2, 3, 4});
    int events = 0;
    TObject* sender = nullptr;
    rect.OnChange = [&](TObject* s) {
      ++events;
      sender = s;
    };
    c.change(rect);
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(rect.BoundsRect(), c.after);
    if (events) {
      EXPECT_EQ(sender, &rect);
    }
  }
}

TEST(KxRect, GetCoordinateReadsBottomForAnyOtherIndex) {
  TkxRect rect(nullptr);
  rect.SetBoundsRect({1, 2, 3, 4});
  EXPECT_EQ(rect.GetCoordinate(0), 1);
  EXPECT_EQ(rect.GetCoordinate(2), 3);
  EXPECT_EQ(rect.GetCoordinate(7), 4);
  EXPECT_EQ(rect.GetCoordinate(-1), 4);
}

TEST(KxRect, PublishesItsCoordinatesAndIsRegisteredByItsUnit) {
  for (const char* name : {"Left", "Top", "Right", "Bottom", "OnChange"})
    EXPECT_NE(GetPropInfo(TkxRect::StaticClass(), name), nullptr) << name;
  kxGeometryUnit.initialize();
  EXPECT_EQ(GetClass("TkxRect"), TkxRect::StaticClass());
  kxGeometryUnit.finalize();
  EXPECT_EQ(GetClass("TkxRect"), nullptr);
}

TEST(RectRoutines, InflateCompareAndPlace) {
  EXPECT_EQ(InflateRectSides({10, 10, 20, 20}, 1, 2, 3, 4), (TRect{9, 8, 23, 24}));
  EXPECT_TRUE(IsEqualRect({1, 2, 3, 4}, {1, 2, 3, 4}));
  EXPECT_FALSE(IsEqualRect({1, 2, 3, 4}, {1, 2, 3, 5}));
  EXPECT_EQ(RectSetLeftAndWidth({1, 2, 3, 4}, -5, 7), (TRect{-5, 2, 2, 4}));
}

}  // namespace
