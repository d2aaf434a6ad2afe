// Header controls and their window class: item rectangles, hit testing of items and dividers, the
// item messages, dragging a divider within a section's limits, clicks and owner-drawn sections.
#include <string>
#include <vector>

#include "platform/gdi/sys_colors.h"
#include "platform/ui/canvas.h"
#include "platform/ui/header_control.h"
#include "platform/user/input_events.h"
#include "platform/user/send_message.h"
#include "platform/window_classes/header_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

constexpr TColor kRed = 0x0000FF;

class HeaderControlTest : public UiTest {
 protected:
  // Form 300 wide; the header on top with sections of the given widths named "S0", "S1", ...
  void Build(std::vector<Integer> widths) {
    form_ = NewForm("Host", false);
    form_->SetClientWidth(300);
    form_->SetClientHeight(100);
    header_ = new THeaderControl(form_);
    header_->SetParent(form_);
    for (size_t i = 0; i < widths.size(); ++i) {
      THeaderSection* s = header_->Sections()->Add();
      s->SetWidth(widths[i]);
      s->SetText("S" + std::to_string(i));
    }
    header_->OnSectionClick = [this](THeaderControl*, THeaderSection* s) { clicks_.push_back(s->Index()); };
    header_->OnSectionResize = [this](THeaderControl*, THeaderSection* s) { resizes_.push_back(s->Width()); };
    header_->OnSectionTrack = [this](THeaderControl*, THeaderSection*, Integer w, TSectionTrackState st) {
      tracks_.push_back({w, st});
    };
    form_->Show();
    driver_->Settle();
  }

  LRESULT Send(UINT message, WPARAM w, const void* l) {
    return SendMessageA(header_->Handle(), message, w, reinterpret_cast<LPARAM>(l));
  }
  TRect ItemRect(int index) {
    TRect r{};
    Send(HDM_GETITEMRECT, WPARAM(index), &r);
    return r;
  }
  void Press(TPoint at) {
    driver_->MoveMouseTo(header_, at);
    user::InjectMouseButton(user::MouseButton::Left, true);
    driver_->Settle();
  }
  void Release() {
    user::InjectMouseButton(user::MouseButton::Left, false);
    driver_->Settle();
  }

  struct Track {
    Integer width;
    TSectionTrackState state;
  };

  TForm* form_ = nullptr;
  THeaderControl* header_ = nullptr;
  std::vector<int> clicks_;
  std::vector<Integer> resizes_;
  std::vector<Track> tracks_;
};

TEST_F(HeaderControlTest, ItemRectanglesAndHitTestsOfItemsAndDividers) {
  Build({80, 0, 60});
  const LONG h = header_->ClientHeight();
  EXPECT_EQ(h, 17);
  EXPECT_EQ(ItemRect(0), (TRect{0, 0, 80, h}));
  EXPECT_EQ(ItemRect(1), (TRect{80, 0, 80, h}));
  EXPECT_EQ(ItemRect(2), (TRect{80, 0, 140, h}));
  EXPECT_EQ(Send(HDM_GETITEMRECT, 3, nullptr), FALSE);
  struct Case {
    TPoint at;
    int item;
    UINT flags;
  };
  const Case cases[] = {
      {{10, 5}, 0, HHT_ONHEADER},   {{77, 5}, 0, HHT_ONDIVIDER}, {{81, 5}, 1, HHT_ONDIVOPEN},
      {{100, 5}, 2, HHT_ONHEADER},  {{142, 5}, 2, HHT_ONDIVIDER}, {{200, 5}, -1, HHT_NOWHERE},
      {{10, -1}, -1, HHT_ABOVE},    {{-1, 5}, -1, HHT_TOLEFT},    {{10, h}, -1, HHT_BELOW},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.at.X << "," << c.at.Y);
    HDHITTESTINFO info{c.at, 0, 0};
    EXPECT_EQ(Send(HDM_HITTEST, 0, &info), c.item);
    EXPECT_EQ(info.iItem, c.item);
    EXPECT_EQ(info.flags, c.flags);
  }
  header_->Sections()->Add();   // a section added to a shown header appears at once
  EXPECT_EQ(Send(HDM_GETITEMCOUNT, 0, nullptr), 4);
  EXPECT_EQ(ItemRect(3), (TRect{140, 0, 190, h}));
}

TEST_F(HeaderControlTest, ItemMessagesKeepTextFormatAndDisplayOrder) {
  Build({80, 60});
  EXPECT_EQ(Send(HDM_GETITEMCOUNT, 0, nullptr), 2);
  char text[4] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_ORDER;
  item.pszText = text;
  item.cchTextMax = 3;
  ASSERT_EQ(Send(HDM_GETITEMA, 1, &item), TRUE);
  EXPECT_EQ(std::string(text), "S1");
  EXPECT_EQ(item.cxy, 60);
  EXPECT_EQ(item.iOrder, 1);
  // Inserted past the end at display position 0: it lands last but shows first.
  char name[] = "New";
  HDITEMA added{};
  added.mask = HDI_TEXT | HDI_WIDTH | HDI_ORDER;
  added.pszText = name;
  added.cxy = 30;
  added.iOrder = 0;
  EXPECT_EQ(Send(HDM_INSERTITEMA, 9, &added), 2);
  EXPECT_EQ(Send(HDM_ORDERTOINDEX, 0, nullptr), 2);
  EXPECT_EQ(ItemRect(2), (TRect{0, 0, 30, 17}));
  EXPECT_EQ(ItemRect(0), (TRect{30, 0, 110, 17}));
  item.cchTextMax = 4;
  Send(HDM_GETITEMA, 2, &item);
  EXPECT_EQ(std::string(text), "New");
  EXPECT_EQ(Send(HDM_DELETEITEM, 2, nullptr), TRUE);
  EXPECT_EQ(Send(HDM_DELETEITEM, 2, nullptr), FALSE);
  EXPECT_EQ(ItemRect(0), (TRect{0, 0, 80, 17}));
  // HDM_LAYOUT takes the header's height off the top of the rectangle.
  TRect area{0, 10, 200, 90};
  WINDOWPOS pos{};
  HDLAYOUT layout{&area, &pos};
  ASSERT_EQ(Send(HDM_LAYOUT, 0, &layout), TRUE);
  EXPECT_GT(pos.cy, 0);
  EXPECT_EQ(pos.y, 10);
  EXPECT_EQ(pos.cx, 200);
  EXPECT_EQ(area.Top, 10 + pos.cy);
}

TEST_F(HeaderControlTest, DraggingADividerKeepsTheSectionWithinItsLimits) {
  Build({80, 60});
  THeaderSection* first = header_->Sections()->Items(0);
  first->SetMinWidth(40);
  first->SetMaxWidth(120);
  Press({80, 5});
  driver_->MoveMouseTo(header_, {100, 5});
  driver_->MoveMouseTo(header_, {200, 5});
  EXPECT_EQ(first->Width(), 120);
  EXPECT_EQ(ItemRect(1), (TRect{120, 0, 180, 17}));
  EXPECT_EQ(header_->Sections()->Items(1)->Left(), 120);
  Release();
  ASSERT_EQ(tracks_.size(), 4u);
  EXPECT_EQ(tracks_[0].state, tsTrackBegin);
  EXPECT_EQ(tracks_[0].width, 80);
  EXPECT_EQ(tracks_[1].width, 100);
  EXPECT_EQ(tracks_[2].width, 120);
  EXPECT_EQ(tracks_[2].state, tsTrackMove);
  EXPECT_EQ(tracks_[3].state, tsTrackEnd);
  EXPECT_EQ(resizes_, (std::vector<Integer>{100, 120}));
  Press({120, 5});
  driver_->MoveMouseTo(header_, {10, 5});
  Release();
  EXPECT_EQ(first->Width(), 40);
  EXPECT_TRUE(clicks_.empty());   // dragging a divider is no click
}

TEST_F(HeaderControlTest, ClicksNeedPressAndReleaseOnOneSectionThatAllowsThem) {
  Build({80, 60});
  const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(driver_->Pixel(header_, 80, 0), hi);
  Press({100, 5});
  EXPECT_EQ(driver_->Pixel(header_, 80, 0), shadow);   // pressed: flat
  Release();
  EXPECT_EQ(driver_->Pixel(header_, 80, 0), hi);
  Press({100, 5});
  driver_->MoveMouseTo(header_, {20, 5});
  Release();
  driver_->ClickAt(header_, {200, 5});   // past the sections
  header_->Sections()->Items(0)->SetAllowClick(false);
  driver_->ClickAt(header_, {20, 5});
  EXPECT_EQ(clicks_, std::vector<int>{1});
}

TEST_F(HeaderControlTest, OwnerDrawnSectionsAreDrawnByTheEvent) {
  Build({80, 60});
  std::vector<std::pair<TRect, bool>> drawn;
  header_->OnDrawSection = [&](THeaderControl* h, THeaderSection* s, const TRect& r, bool pressed) {
    EXPECT_EQ(s, h->Sections()->Items(1));
    drawn.push_back({r, pressed});
    h->Canvas()->Brush()->SetColor(kRed);
    h->Canvas()->FillRect(r);
  };
  header_->Sections()->Items(1)->SetStyle(hsOwnerDraw);
  driver_->Settle();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().first, (TRect{80, 0, 140, 17}));
  EXPECT_FALSE(drawn.back().second);
  EXPECT_EQ(driver_->Pixel(header_, 80, 0), kRed);
  EXPECT_NE(driver_->Pixel(header_, 0, 0), kRed);
  Press({100, 5});
  EXPECT_TRUE(drawn.back().second);
  Release();
}

}  // namespace
}  // namespace uitest
