// Controls in the forms' font (Tahoma 8): an auto-sized edit or combo box is 21 pixels high, a
// list shows items of the font's 13-pixel line, and a one-line cell of every kind (edit, list
// item, grid cell, label, header section) shows the stacked Thai sample whole: every pixel the
// sample has when drawn with room to spare, none cut at the cell's edge.
#include <memory>
#include <string>

#include "platform/core/cp874.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/button.h"
#include "platform/ui/canvas.h"
#include "platform/ui/colors.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/font.h"
#include "platform/ui/header_control.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/string_grid.h"
#include "platform/user/window_pos.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

const std::string kThaiStacks(std::string_view("ปั้น ฟ้า ฝั่ง ญู ฎุ"_cp874));

class FormTextCellsTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = NewForm("CellsForm", false);
    form_->SetBounds(0, 0, 500, 300);
    form_->Font()->SetName("Tahoma");
    form_->Font()->SetHeight(-11);
  }

  template <class T>
  T* Add(Integer left, Integer top, Integer width, Integer height) {
    auto* control = new T(form_);
    control->SetParent(form_);
    control->SetBounds(left, top, width, height);
    return control;
  }

  // Pixels of the text colour in a rectangle of a control's client area.
  int InkIn(TControl* control, const TRect& r, TColor text = clWindowText) const {
    int ink = 0;
    for (Integer y = r.Top; y < r.Bottom; ++y)
      for (Integer x = r.Left; x < r.Right; ++x) ink += driver_->Pixel(control, x, y) == ColorToRGB(text);
    return ink;
  }

  // The sample's ink drawn in the form's font on a bitmap with room all round.
  int WholeInk() const {
    std::unique_ptr<TBitmap, TObjectDeleter> bitmap(NewObject<TBitmap>());
    bitmap->SetWidth(240);
    bitmap->SetHeight(60);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, 240, 60});
    canvas->Font()->Assign(form_->Font());
    canvas->Font()->SetColor(clBlack);
    canvas->TextOut(10, 20, kThaiStacks);
    int ink = 0;
    for (Integer y = 0; y < 60; ++y)
      for (Integer x = 0; x < 240; ++x) ink += canvas->Pixels(x, y) == clBlack;
    return ink;
  }

  TForm* form_ = nullptr;
};

TEST_F(FormTextCellsTest, AutoSizedEditsAndCombosAre21PixelsHigh) {
  auto* edit = Add<TEdit>(8, 8, 120, 40);
  auto* combo = Add<TComboBox>(8, 40, 120, 40);
  form_->Show();
  driver_->Settle();
  EXPECT_EQ(edit->Height(), 21);
  EXPECT_EQ(combo->Height(), 21);
}

TEST_F(FormTextCellsTest, ThaiStacksStayWholeInEveryKindOfOneLineCell) {
  const int whole = WholeInk();
  ASSERT_GT(whole, 100);
  Add<TButton>(400, 200, 75, 25);   // takes the focus, so no caret, selection or focus frame shows

  auto* edit = Add<TEdit>(8, 8, 200, 21);
  edit->SetText(kThaiStacks);
  auto* list = Add<TListBox>(8, 40, 200, 82);
  list->Items()->Add(kThaiStacks);
  list->Items()->Add("second");
  auto* grid = Add<TStringGrid>(220, 8, 260, 80);
  grid->SetDefaultColWidth(120);
  grid->SetDefaultRowHeight(13 + 2);   // the text starts 2 pixels into its cell
  grid->SetCells(1, 2, kThaiStacks);
  auto* label = Add<TLabel>(8, 140, 0, 0);
  label->SetCaption(kThaiStacks);
  auto* header = Add<THeaderControl>(220, 140, 260, 17);
  header->SetAlign(alNone);   // not along the form's top, over the edit
  header->SetBounds(220, 140, 260, 17);
  header->Sections()->Add()->SetText(kThaiStacks);
  header->Sections()->Items(0)->SetWidth(200);
  form_->Show();
  driver_->Settle();

  EXPECT_EQ(list->ItemHeight(), 13);
  EXPECT_EQ(list->ClientHeight() / list->ItemHeight(), 6);
  EXPECT_EQ(label->Height(), 13);

  const struct {
    const char* kind;
    TControl* control;
    TRect cell;
    TColor text;
  } cells[] = {
      {"edit", edit, edit->ClientRect(), clWindowText},
      {"list item", list, list->ItemRect(0), clWindowText},
      {"grid cell", grid, grid->CellRect(1, 2), clWindowText},
      {"label", label, label->ClientRect(), clWindowText},
      {"header section", header, TRect{0, 0, 200, header->ClientHeight()}, clBtnText},
  };
  for (const auto& c : cells) EXPECT_EQ(InkIn(c.control, c.cell, c.text), whole) << c.kind;
}

}  // namespace
}  // namespace uitest
