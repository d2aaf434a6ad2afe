// The custom editor link driven through the grid under injected input: the order in which the grid
// opens and closes a link, its grid keys (Want* switches, Escape, Return with and without
// AdvanceOnEnter, a refused value reopening the editor), the window procedure it stands in front of
// the control's, and the popup form (placement, "gridform", closing by a click elsewhere).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/edit_link.h"
#include "grid/navigation.h"
#include "platform/ui/application.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// A link over a plain edit whose key-downs go to the link's key rule; logs the grid's calls.
class TTestLink : public TEditLink {
 public:
  using TEditLink::TEditLink;

  std::vector<std::string> log;
  TEdit* edit = nullptr;

  TWinControl* EditorControl() override { return edit; }
  void BuildEditor(TWinControl* AParent) override {
    log.push_back("build");
    if (edit == nullptr) {
      edit = new TEdit(this);
      edit->FreeNotification(this);
      edit->OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) { HandleEditorKey(Sender, Key, Shift); };
    }
    edit->SetParent(AParent);
  }
  void PlaceEditor(const TRect& R) override {
    log.push_back("place " + std::to_string(R.Left) + "," + std::to_string(R.Top));
    TEditLink::PlaceEditor(R);
  }
  void SetEditorVisible(bool Visible) override {
    log.push_back(Visible ? "show" : "hide");
    TEditLink::SetEditorVisible(Visible);
  }
  void ApplyCellLook(TColor, TFont*) override { log.push_back("look"); }
  void ApplyEditorProperties() override { log.push_back("properties"); }
  void WriteEditorValue(const std::string& Value) override {
    log.push_back("write " + Value);
    edit->SetText(Value);
  }
  std::string ReadEditorValue() override {
    log.push_back("read");
    return edit != nullptr ? edit->Text() : std::string();
  }
  void FocusEditor(bool On) override {
    log.push_back("focus");
    TEditLink::FocusEditor(On);
  }
  void PopupEditEnded() override { log.push_back("ended"); }

 protected:
  // The edit goes with its parent (a popup form another link freed).
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TEditLink::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == edit) edit = nullptr;
  }
};

class EditLinkTest : public StringGridTest {
 protected:
  // A shown, focused 5 x 5 grid with goEditing whose cells are edCustom through a new link; the
  // current cell is (1, 1) holding Text.
  TTestStringGrid* NewLinkGrid(const std::string& Text = "old") {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(5);
    grid->SetRowCount(5);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->OnGetEditorType = [](TObject*, Integer, Integer, TEditorType& Editor) { Editor = edCustom; };
    grid->SetCellText(1, 1, Text);
    link_ = new TTestLink(grid->Owner());
    grid->SetEditLink(link_);
    grid->SetFocus();
    driver_->Settle();
    return grid;
  }
  void Open(TTestStringGrid* Grid) {
    Grid->ShowCellEditor();
    driver_->Settle();
  }
  static void RefuseAll(TTestStringGrid* Grid) {
    Grid->OnCellValidate = [](TObject*, Integer, Integer, std::string&, bool& Valid) { Valid = false; };
  }

  TTestLink* link_ = nullptr;
};

TEST_F(EditLinkTest, OpeningDrivesTheLinkInOrderAndClosingStoresItsValue) {
  TTestStringGrid* grid = NewLinkGrid("old");
  grid->OnGetEditorProp = [this](TObject*, Integer ACol, Integer ARow, TEditLink* Link) {
    EXPECT_EQ(Link, link_);
    link_->log.push_back("prop " + std::to_string(ACol) + "," + std::to_string(ARow));
  };
  grid->SetEditStartKey('x');
  Open(grid);
  const TRect cell = grid->CellRect(1, 1);
  const std::string place = "place " + std::to_string(cell.Left) + "," + std::to_string(cell.Top);
  EXPECT_EQ(link_->log, (std::vector<std::string>{"build", place, "show", "look", "properties", "prop 1,1",
                                                   "write old", "focus"}));
  ASSERT_NE(link_->edit, nullptr);
  EXPECT_EQ(link_->edit->Parent(), grid);
  EXPECT_EQ(link_->Grid(), grid);
  EXPECT_EQ(link_->EditCol(), 1);
  EXPECT_EQ(link_->EditRow(), 1);
  // The rectangle less the grid line on each axis (the rectangle is one pixel short of the cell).
  EXPECT_EQ(link_->edit->Width(), cell.Right - 1 - cell.Left - grid->GridLineWidth());
  EXPECT_EQ(link_->edit->Height(), cell.Bottom - 1 - cell.Top - grid->GridLineWidth());
  EXPECT_EQ(driver_->FocusedControl(), link_->edit);
  EXPECT_EQ(grid->ActiveEditControl(), link_->edit);
  EXPECT_EQ(link_->edit->Text(), "x");   // the start key, posted to the control, replaced its selected text
  link_->log.clear();
  grid->SetCol(2);
  driver_->Settle();
  EXPECT_EQ(grid->GetCellText(1, 1), "x");
  EXPECT_EQ(link_->log, (std::vector<std::string>{"read", "hide"}));
  EXPECT_FALSE(link_->edit->Visible());
  EXPECT_FALSE(grid->EditorActive());
}

TEST_F(EditLinkTest, WithoutALinkAnEditCustomCellOpensNothing) {
  TTestStringGrid* grid = NewLinkGrid("old");
  delete link_;   // the grid forgets a freed link
  EXPECT_EQ(grid->EditLink(), nullptr);
  Open(grid);
  EXPECT_EQ(driver_->FocusedControl(), grid);
  EXPECT_EQ(grid->ActiveEditControl(), nullptr);
}

TEST_F(EditLinkTest, GridKeysCloseTheEditorUnlessTheLinkWantsThem) {
  struct Case {
    const char* name;
    Word key;
    TShiftState shift;
    bool want;          // the link's Want* switch for the key
    bool advance;       // AdvanceOnEnter
    bool refuse;        // OnCellValidate refuses every value
    Integer col, row;   // the current cell afterwards
    std::string cell;   // (1, 1) afterwards
    bool open;          // the link's control is open and focused afterwards
  };
  const Case cases[] = {
      {"Down closes and moves", VK_DOWN, {}, false, false, false, 1, 2, "old!", false},
      {"Down wanted stays", VK_DOWN, {}, true, false, false, 1, 1, "old", true},
      {"Right closes and moves", VK_RIGHT, {}, false, false, false, 2, 1, "old!", false},
      {"Right wanted stays", VK_RIGHT, {}, true, false, false, 1, 1, "old", true},
      {"Next wanted stays", VK_NEXT, {}, true, false, false, 1, 1, "old", true},
      {"End closes", VK_END, {}, false, false, false, 1, 1, "old!", false},
      {"Escape keeps the old text", VK_ESCAPE, {}, false, false, false, 1, 1, "old", false},
      {"Escape wanted stays", VK_ESCAPE, {}, true, false, false, 1, 1, "old", true},
      {"Return stays without advance", VK_RETURN, {}, false, false, false, 1, 1, "old!", false},
      {"Return advances and reopens", VK_RETURN, {}, false, true, false, 2, 1, "old!", true},
      {"Shift+Return goes back", VK_RETURN, TShiftState{ssShift}, false, true, false, 4, 4, "old!", true},
      {"Return wanted stays", VK_RETURN, {}, true, true, false, 1, 1, "old", true},
      {"Refused reopens", VK_DOWN, {}, false, false, true, 1, 1, "old", true},
      {"Home is no grid key", VK_HOME, {}, false, false, false, 1, 1, "old", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = NewLinkGrid("old");
    grid->Navigation()->SetAdvanceOnEnter(c.advance);
    link_->SetWantKeyUpDown(c.want);
    link_->SetWantKeyLeftRight(c.want);
    link_->SetWantKeyPriorNext(c.want);
    link_->SetWantKeyReturn(c.want);
    link_->SetWantKeyEscape(c.want);
    if (c.refuse) RefuseAll(grid);
    Open(grid);
    ASSERT_EQ(driver_->FocusedControl(), link_->edit);
    link_->edit->SetSelStart(3);
    driver_->Type("!");
    driver_->PressKey(c.key, c.shift);
    EXPECT_EQ(grid->Col(), c.col);
    EXPECT_EQ(grid->Row(), c.row);
    EXPECT_EQ(grid->GetCellText(1, 1), c.cell);
    const bool open = driver_->FocusedControl() == link_->edit && link_->edit->Visible();
    EXPECT_EQ(open, c.open);
    EXPECT_EQ(grid->EditorActive(), c.open);
    if (c.refuse) {
      EXPECT_TRUE(grid->LastEditValid());   // set again by the reopening
      EXPECT_EQ(link_->edit->Text(), "old");
    }
    if (c.advance && c.open && c.col != 1) {
      EXPECT_EQ(link_->EditCol(), c.col);
    }
  }
}

TEST_F(EditLinkTest, TheLinkStandsInFrontOfTheControlsWindowProcedureOnceUntilReleased) {
  TTestStringGrid* grid = NewLinkGrid("old");
  Open(grid);
  TEdit* edit = link_->edit;
  const auto dialogCode = [edit] { return SendMessageA(edit->Handle(), WM_GETDLGCODE, 0, 0); };
  grid->SetOptions(grid->Options() - TGridOptions{goTabs});
  const LRESULT own = dialogCode();
  EXPECT_NE(own, DLGC_WANTARROWS | DLGC_WANTTAB);
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  EXPECT_EQ(dialogCode(), DLGC_WANTARROWS | DLGC_WANTTAB);
  // A second focusing keeps the first kept procedure: a link wrapping its own procedure would call
  // itself for ever.
  link_->FocusEditor(true);
  grid->SetOptions(grid->Options() - TGridOptions{goTabs});
  EXPECT_EQ(dialogCode(), own);
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  grid->SetCol(2);   // closes: the control's own procedure is back
  driver_->Settle();
  EXPECT_EQ(dialogCode(), own);
}

TEST_F(EditLinkTest, APopupOpensOnItsFormAtTheCellOrItsOwnPlace) {
  struct Case {
    Integer left, top;
    bool autoWidth;
  };
  const Case cases[] = {{-1, -1, false}, {-1, 50, true}, {40, 60, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
    TTestStringGrid* grid = NewLinkGrid("old");
    link_->SetEditStyle(esPopup);
    link_->SetPopupWidth(120);
    link_->SetPopupHeight(70);
    link_->SetPopupLeft(c.left);
    link_->SetPopupTop(c.top);
    link_->SetAutoPopupWidth(c.autoWidth);
    Open(grid);
    TForm* form = link_->PopupForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Name(), "gridform");
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_TRUE(form->Visible());
    const TRect cell = grid->CellRect(1, 1);
    const TPoint corner = grid->ClientToScreen(TPoint{cell.Left, cell.Top});
    const TPoint expected = c.left == -1 || c.top == -1 ? corner : TPoint{c.left, c.top};
    EXPECT_EQ(form->Left(), expected.X);
    EXPECT_EQ(form->Top(), expected.Y);
    const Integer width = c.autoWidth ? cell.Right - 1 - cell.Left : 120;
    EXPECT_EQ(form->Width(), width);
    EXPECT_EQ(form->Height(), 70);
    EXPECT_EQ(link_->edit->Parent(), form);
    EXPECT_EQ(link_->edit->Left(), 0);
    EXPECT_EQ(link_->edit->Width(), width - grid->GridLineWidth());
    EXPECT_EQ(driver_->FocusedControl(), link_->edit);
    link_->edit->SetSelStart(3);
    driver_->Type("!");
    driver_->PressKey(VK_RETURN);
    // A grid key ends the edit and hides the popup: left standing, its later deactivation would
    // store its value into whatever cell is current by then.
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(grid->GetCellText(1, 1), "old!");
    EXPECT_FALSE(grid->PopupClosed());
  }
}

TEST_F(EditLinkTest, ASecondLinksPopupFreesTheFirstFormAndTheFirstLinkForgetsIt) {
  TTestStringGrid* grid = NewLinkGrid("old");
  link_->SetEditStyle(esPopup);
  Open(grid);
  TTestLink* first = link_;
  ASSERT_NE(first->PopupForm(), nullptr);
  driver_->PressKey(VK_ESCAPE);
  EXPECT_FALSE(first->PopupForm()->Visible());
  auto* second = new TTestLink(grid->Owner());
  second->SetEditStyle(esPopup);
  grid->SetEditLink(second);
  Open(grid);
  EXPECT_EQ(first->PopupForm(), nullptr);
  ASSERT_NE(second->PopupForm(), nullptr);
  EXPECT_EQ(Application->FindComponent("gridform"), second->PopupForm());
  driver_->PressKey(VK_ESCAPE);
  delete first;   // would free a form it no longer has
}

TEST_F(EditLinkTest, APopupClosedByAClickElsewhereStoresTheValueAndTheGridSkipsOneFocusGain) {
  TTestStringGrid* grid = NewLinkGrid("old");
  link_->SetEditStyle(esPopup);
  link_->SetPopupWidth(100);
  link_->SetPopupHeight(40);
  Open(grid);
  ASSERT_EQ(driver_->FocusedControl(), link_->edit);
  link_->edit->SetSelStart(3);
  driver_->Type("!");
  link_->log.clear();
  link_->PopupDeactivate(link_->PopupForm());   // the form's OnDeactivate after a click on the grid
  driver_->Settle();
  EXPECT_EQ(grid->GetCellText(1, 1), "old!");
  EXPECT_FALSE(link_->PopupForm()->Visible());
  EXPECT_FALSE(grid->EditorActive());
  ASSERT_FALSE(link_->log.empty());
  EXPECT_EQ(link_->log.back(), "ended");
  EXPECT_TRUE(grid->PopupClosed());
  grid->Navigation()->SetAlwaysEdit(true);
  SendMessageA(grid->Handle(), WM_SETFOCUS, 0, 0);   // skipped: no editor opens
  EXPECT_FALSE(grid->PopupClosed());
  EXPECT_FALSE(grid->EditorActive());
}

// A link over a combo box: its selection changes reach the grid's OnComboChange.
class TComboLink : public TEditLink {
 public:
  using TEditLink::TEditLink;
  TComboBox* combo = nullptr;
  TWinControl* EditorControl() override { return combo; }
  void BuildEditor(TWinControl* AParent) override {
    if (combo == nullptr) {
      combo = new TComboBox(this);
      combo->SetParent(AParent);
      combo->SetStyle(csDropDownList);
      for (const char* item : {"one", "two", "three"}) combo->Items()->Add(item);
    }
  }
};

TEST_F(EditLinkTest, ALinkedCombosSelectionChangesReachOnComboChange) {
  TTestStringGrid* grid = NewLinkGrid("old");
  auto* link = new TComboLink(grid->Owner());
  grid->SetEditLink(link);
  std::vector<std::string> events;
  grid->OnComboChange = [&events](TObject*, Integer ACol, Integer ARow, Integer AItemIndex, const std::string& S) {
    events.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + std::to_string(AItemIndex) + " " + S);
  };
  Open(grid);
  ASSERT_EQ(driver_->FocusedControl(), link->combo);
  driver_->PressKey(VK_DOWN);
  driver_->PressKey(VK_DOWN);
  EXPECT_EQ(events, (std::vector<std::string>{"1,1 0 one", "1,1 1 two"}));
  grid->OnComboChange = {};
}

}  // namespace
}  // namespace gridtest
