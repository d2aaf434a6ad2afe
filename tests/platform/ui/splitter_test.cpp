// Splitters: dragging resizes the aligned neighbour within MinSize and the room left, snapping
// shut, OnCanResize, the resize styles, and the right-aligned case that moves the neighbour.
#include <vector>

#include "platform/ui/cursors.h"
#include "platform/ui/panel.h"
#include "platform/ui/splitter.h"
#include "platform/user/input_events.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class SplitterTest : public UiTest {
 protected:
  // Form 300 x 100: Side (aligned left or right, 100 wide), the splitter beside it, Rest filling.
  void Build(TAlign side) {
    form_ = NewForm("Host", false);
    form_->SetClientWidth(300);
    form_->SetClientHeight(100);
    side_ = new TPanel(form_);
    side_->SetAlign(side);
    side_->SetWidth(100);
    side_->SetParent(form_);
    splitter_ = new TSplitter(form_);
    splitter_->SetAlign(side);
    splitter_->SetLeft(side == alLeft ? 100 : 190);
    splitter_->SetParent(form_);
    splitter_->OnMoved = [this](TObject*) { ++moves_; };
    auto* rest = new TPanel(form_);
    rest->SetAlign(alClient);
    rest->SetParent(form_);
    form_->Show();
    driver_->Settle();
  }

  void Drag(Integer dx, bool release = true) {
    driver_->MoveMouseTo(splitter_, {1, 50});
    user::InjectMouseButton(user::MouseButton::Left, true);
    driver_->Settle();
    driver_->MoveMouseTo(splitter_, {1 + dx, 50});
    if (release) Release();
  }
  void Release() {
    user::InjectMouseButton(user::MouseButton::Left, false);
    driver_->Settle();
  }

  TForm* form_ = nullptr;
  TPanel* side_ = nullptr;
  TSplitter* splitter_ = nullptr;
  int moves_ = 0;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourWithinItsLimits) {
  Build(alLeft);
  ASSERT_EQ(splitter_->Left(), 100);
  EXPECT_EQ(splitter_->Cursor(), crHSplit);
  struct Case {
    bool autoSnap;
    Integer dx;
    Integer width;
  };
  // Room: 300 - MinSize 30 - the left-aligned 100 + 3, the neighbour's own 100 back: 267.
  const Case cases[] = {
      {true, 50, 150}, {true, -40, 60}, {true, 200, 267}, {true, -90, 0}, {false, -90, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "dx " << c.dx << " autoSnap " << c.autoSnap);
    side_->SetWidth(100);
    driver_->Settle();
    splitter_->SetAutoSnap(c.autoSnap);
    moves_ = 0;
    Drag(c.dx);
    EXPECT_EQ(side_->Width(), c.width);
    EXPECT_EQ(splitter_->Left(), c.width);
    EXPECT_EQ(moves_, 1);
  }
}

TEST_F(SplitterTest, OnCanResizeMayChangeOrRefuseTheSize) {
  Build(alLeft);
  std::vector<Integer> asked;
  splitter_->OnCanResize = [&](TObject*, Integer& size, bool& accept) {
    asked.push_back(size);
    if (size > 150) accept = false;
    else size = 120;
  };
  Drag(10);
  EXPECT_EQ(asked, std::vector<Integer>{110});
  EXPECT_EQ(side_->Width(), 120);
  Drag(60);   // 180: refused, the width stays
  EXPECT_EQ(side_->Width(), 120);
  EXPECT_EQ(moves_, 1);
}

TEST_F(SplitterTest, LineStylesResizeOnReleaseAndUpdateResizesWhileDragging) {
  Build(alLeft);
  for (TResizeStyle style : {rsPattern, rsLine, rsNone, rsUpdate}) {
    SCOPED_TRACE(int(style));
    side_->SetWidth(100);
    driver_->Settle();
    splitter_->SetResizeStyle(style);
    Drag(40, false);
    EXPECT_EQ(side_->Width(), style == rsUpdate ? 140 : 100);
    Release();
    EXPECT_EQ(side_->Width(), 140);
  }
}

TEST_F(SplitterTest, ARightAlignedNeighbourGrowsToTheLeft) {
  Build(alRight);
  ASSERT_EQ(side_->Left(), 200);
  ASSERT_EQ(splitter_->Left(), 197);
  Drag(-50);
  EXPECT_EQ(side_->Width(), 150);
  EXPECT_EQ(side_->Left(), 150);
  EXPECT_EQ(splitter_->Left(), 147);
}

}  // namespace
}  // namespace uitest
