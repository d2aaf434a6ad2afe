// Form images of combo boxes, scroll bars, scroll boxes, up-down controls and track bars: their
// properties read back (a combo box's item index whether the items come before or after it, a
// track bar's range in the order written) and are written again.
#include <string>

#include "platform/ui/combo_box.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/scrolling_win_control.h"
#include "platform/ui/track_bar.h"
#include "platform/ui/up_down.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

using StdControlsFormImageTest = UiTest;

TEST_F(StdControlsFormImageTest, PropertiesReadBackAndAreWrittenAgain) {
  TForm* form = ReadForm(
      "object Main: TForm\n"
      "  object cbKind: TComboBox\n"
      "    Style = csDropDownList\n"
      "    DropDownCount = 4\n"
      "    Items.Strings = (\n"
      "      'one'\n"
      "      'two'\n"
      "      'three')\n"
      "    ItemIndex = 2\n"
      "  end\n"
      "  object Box: TScrollBox\n"
      "    AutoScroll = False\n"
      "    VertScrollBar.Increment = 20\n"
      "    VertScrollBar.Tracking = True\n"
      "    object Bar: TScrollBar\n"
      "      Kind = sbVertical\n"
      "      Max = 50\n"
      "      Position = 7\n"
      "    end\n"
      "  end\n"
      "  object Spin: TUpDown\n"
      "    Max = 10\n"
      "    Position = 3\n"
      "    Wrap = True\n"
      "  end\n"
      "end\n");
  auto* combo = dynamic_cast<TComboBox*>(form->FindComponent("cbKind"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_EQ(combo->DropDownCount(), 4);
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "three");
  auto* box = dynamic_cast<TScrollBox*>(form->FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->AutoScroll());
  EXPECT_EQ(box->VertScrollBar()->Increment(), 20);
  EXPECT_TRUE(box->VertScrollBar()->Tracking());
  auto* bar = dynamic_cast<TScrollBar*>(form->FindComponent("Bar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Parent(), box);
  EXPECT_EQ(bar->Kind(), sbVertical);
  EXPECT_EQ(bar->Position(), 7);
  auto* spin = dynamic_cast<TUpDown*>(form->FindComponent("Spin"));
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->Max(), 10);
  EXPECT_EQ(spin->Position(), 3);
  EXPECT_TRUE(spin->Wrap());

  const std::string written = FormImageText(form);
  for (const char* line : {"ItemIndex = 2", "'three'", "VertScrollBar.Increment = 20", "Position = 7", "Wrap = True"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  EXPECT_EQ(written.find("DropDownCount = 8"), std::string::npos);   // defaults stay out
}

// Max is written before Min: a range wholly below the default Min still reads back whole.
// A form designer writes ItemIndex before Items.Strings: the index waits for the items.
TEST_F(StdControlsFormImageTest, AComboBoxIndexReadBeforeItsItemsSelectsAmongThem) {
  for (const char* style : {"csDropDownList", "csDropDown"}) {
    SCOPED_TRACE(style);
    const std::string name(style);
    TForm* form = ReadForm("object " + name + "Form: TForm\n"
                           "  object cbKind: TComboBox\n"
                           "    Style = " + name + "\n"
                           "    ItemIndex = 1\n"
                           "    Items.Strings = (\n"
                           "      'one'\n"
                           "      'two')\n"
                           "  end\n"
                           "end\n");
    form->Show();
    driver_->Settle();
    auto* combo = dynamic_cast<TComboBox*>(form->FindComponent("cbKind"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "two");
  }
}

TEST_F(StdControlsFormImageTest, TrackBarsReadBackAndAreWrittenAgain) {
  TForm* form = ReadForm(
      "object Main: TForm\n"
      "  object Volume: TTrackBar\n"
      "    Width = 45\n"
      "    Height = 150\n"
      "    Max = -10\n"
      "    Min = -40\n"
      "    Orientation = trVertical\n"
      "    PageSize = 5\n"
      "    Position = -12\n"
      "    SelEnd = -15\n"
      "    SelStart = -30\n"
      "    ThumbLength = 16\n"
      "    TickMarks = tmBoth\n"
      "    TickStyle = tsManual\n"
      "  end\n"
      "end\n");
  auto* bar = dynamic_cast<TTrackBar*>(form->FindComponent("Volume"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Min(), -40);
  EXPECT_EQ(bar->Max(), -10);
  EXPECT_EQ(bar->Position(), -12);
  EXPECT_EQ(bar->SelStart(), -30);
  EXPECT_EQ(bar->Orientation(), trVertical);
  EXPECT_EQ(bar->Width(), 45);   // as written: no swap while loading
  EXPECT_EQ(bar->TickStyle(), tsManual);

  const std::string written = FormImageText(bar);
  for (const char* line : {"Max = -10", "Min = -40", "Position = -12", "SelEnd = -15", "SelStart = -30",
                           "Orientation = trVertical", "PageSize = 5", "ThumbLength = 16", "TickMarks = tmBoth",
                           "TickStyle = tsManual"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* line : {"Frequency", "LineSize", "SliderVisible", "TabStop"})   // defaults stay out
    EXPECT_EQ(written.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace uitest
