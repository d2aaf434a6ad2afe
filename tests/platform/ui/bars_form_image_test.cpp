// Form images of speed buttons, bit buttons, splitters, status bars and header controls: their
// properties, panels and sections read back, and a bit button's preset caption is not written.
#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/header_control.h"
#include "platform/ui/speed_button.h"
#include "platform/ui/splitter.h"
#include "platform/ui/status_bar.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

using BarsFormImageTest = UiTest;

TEST_F(BarsFormImageTest, PropertiesPanelsAndSectionsReadBack) {
  TForm* form = ReadForm(
      "object Main: TForm\n"
      "  object sbBold: TSpeedButton\n"
      "    Left = 4\n"
      "    GroupIndex = 1\n"
      "    Down = True\n"
      "    Flat = True\n"
      "    Layout = blGlyphTop\n"
      "    Margin = 2\n"
      "  end\n"
      "  object btnOK: TBitBtn\n"
      "    Kind = bkOK\n"
      "  end\n"
      "  object btnGo: TBitBtn\n"
      "    Caption = 'Go'\n"
      "    Kind = bkYes\n"
      "  end\n"
      "  object Splitter1: TSplitter\n"
      "    AutoSnap = False\n"
      "    MinSize = 125\n"
      "    ResizeStyle = rsUpdate\n"
      "  end\n"
      "  object sbStatus: TStatusBar\n"
      "    Panels = <\n"
      "      item\n"
      "        Width = 275\n"
      "      end\n"
      "      item\n"
      "        Alignment = taCenter\n"
      "        Bevel = pbNone\n"
      "        Text = 'Found'\n"
      "      end>\n"
      "    SimplePanel = False\n"
      "  end\n"
      "  object Header1: THeaderControl\n"
      "    Sections = <\n"
      "      item\n"
      "        MinWidth = 20\n"
      "        Text = 'Name'\n"
      "        Width = 120\n"
      "      end>\n"
      "  end\n"
      "end\n");
  auto* speed = dynamic_cast<TSpeedButton*>(form->FindComponent("sbBold"));
  ASSERT_NE(speed, nullptr);
  EXPECT_TRUE(speed->Down());
  EXPECT_TRUE(speed->Flat());
  EXPECT_EQ(speed->Layout(), blGlyphTop);
  EXPECT_EQ(speed->Margin(), 2);
  auto* ok = dynamic_cast<TBitBtn*>(form->FindComponent("btnOK"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Kind(), bkOK);
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_EQ(ok->ModalResult(), mrOk);
  auto* go = dynamic_cast<TBitBtn*>(form->FindComponent("btnGo"));
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->Caption(), "Go");   // a caption read before Kind stays
  EXPECT_EQ(go->Kind(), bkYes);
  auto* splitter = dynamic_cast<TSplitter*>(form->FindComponent("Splitter1"));
  ASSERT_NE(splitter, nullptr);
  EXPECT_FALSE(splitter->AutoSnap());
  EXPECT_EQ(splitter->MinSize(), 125);
  EXPECT_EQ(splitter->ResizeStyle(), rsUpdate);
  auto* bar = dynamic_cast<TStatusBar*>(form->FindComponent("sbStatus"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Panels()->Count(), 2);
  EXPECT_EQ(bar->Panels()->Items(0)->Width(), 275);
  EXPECT_EQ(bar->Panels()->Items(1)->Alignment(), taCenter);
  EXPECT_EQ(bar->Panels()->Items(1)->Bevel(), pbNone);
  EXPECT_EQ(bar->Panels()->Items(1)->Text(), "Found");
  auto* header = dynamic_cast<THeaderControl*>(form->FindComponent("Header1"));
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(header->Sections()->Count(), 1);
  EXPECT_EQ(header->Sections()->Items(0)->Text(), "Name");
  EXPECT_EQ(header->Sections()->Items(0)->Width(), 120);
  EXPECT_EQ(header->Sections()->Items(0)->MinWidth(), 20);

  const std::string written = FormImageText(ok);
  EXPECT_NE(written.find("Kind = bkOK"), std::string::npos) << written;
  EXPECT_EQ(written.find("Caption"), std::string::npos) << written;
  EXPECT_EQ(written.find("ModalResult"), std::string::npos) << written;
  EXPECT_NE(FormImageText(go).find("Caption = 'Go'"), std::string::npos);
}

}  // namespace
}  // namespace uitest
