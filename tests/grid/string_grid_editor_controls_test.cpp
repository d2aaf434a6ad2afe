// The string grid's editor controls driven through the grid under injected input: which control a
// kind opens and what it shows, what closing stores, the grid keys with validation and Escape, the
// start key, the typing rules, walking to the neighbour cell, the check box and the button.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/grid_editor_controls.h"
#include "grid/navigation.h"
#include "platform/core/exceptions.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/message_beep.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/edit_window.h"
#include "pinned_locale.h"
#include "platform/core/float_text.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class EditorControlsTest : public StringGridTest {
 protected:
  EditorControlsTest() {
    user::SetBeepListener([this](UINT) { ++beeps_; });
  }
  ~EditorControlsTest() override {
    user::SetBeepListener({});
    for (TTestStringGrid* grid : grids_) {
      grid->OnCellValidate = {};
      grid->OnEllipsClick = {};
      grid->OnGetEditorType = {};
    }
  }

  // A shown, focused 5 x 5 grid with goEditing whose cells all take the editor kind Kind; the
  // current cell is (1, 1) holding Text.
  TTestStringGrid* NewEditGrid(TEditorType Kind, const std::string& Text = "") {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(5);
    grid->SetRowCount(5);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->OnGetEditorType = [Kind](TObject*, Integer, Integer, TEditorType& Editor) { Editor = Kind; };
    grid->SetCellText(1, 1, Text);
    grid->SetFocus();
    driver_->Settle();
    grids_.push_back(grid);
    return grid;
  }
  void Open(TTestStringGrid* Grid) {
    Grid->ShowCellEditor();
    driver_->Settle();
  }
  // Refuses every value but those in Accepted.
  static void AcceptOnly(TTestStringGrid* Grid, std::vector<std::string> Accepted) {
    Grid->OnCellValidate = [Accepted](TObject*, Integer, Integer, std::string& Value, bool& Valid) {
      Valid = std::find(Accepted.begin(), Accepted.end(), Value) != Accepted.end();
    };
  }

  int beeps_ = 0;

 private:
  std::vector<TTestStringGrid*> grids_;
};

TEST_F(EditorControlsTest, EachKindOpensItsControlFilledFromTheCellAndClosingStoresItsValue) {
  struct Case {
    TEditorType kind;
    std::string cell;
    std::string shownText;   // the control's text or caption
    std::string unit;
    bool active;             // recorded as ActiveEditControl
    std::string typed;       // typed into the control before the cell is left
    std::string stored;
  };
  const Case cases[] = {
      {edEditBtn, "abc", "abc", "", true, "d", "abcd"},
      {edNumericEditBtn, "12", "12", "", true, "3", "123"},
      {edUnitEditBtn, "12.5kg", "12.5", "kg", true, "0", "12.50kg"},
      {edCheckBox, "label", "label", "", false, "", "label"},
      {edButton, "press", "press", "", true, "", "press"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind));
    TTestStringGrid* grid = NewEditGrid(c.kind, c.cell);
    Open(grid);
    TWinControl* focused = driver_->FocusedControl();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->Parent(), grid);
    EXPECT_TRUE(focused->Visible() && focused->Enabled());
    EXPECT_EQ(grid->ActiveEditControl(), c.active ? focused : nullptr);
    EXPECT_EQ(focused->Caption(), c.shownText);
    if (auto* unitEdit = dynamic_cast<TGridUnitEditBtn*>(focused)) {
      EXPECT_EQ(unitEdit->UnitID(), c.unit);
    }
    const TRect cell = grid->CellRect(1, 1);
    const Integer outside = c.kind == edButton ? 1 : 0;   // the button stands one pixel out
    EXPECT_EQ(focused->Left(), cell.Left - outside);
    EXPECT_EQ(focused->Top(), cell.Top - outside);
    if (auto* edit = dynamic_cast<TCustomEdit*>(focused)) edit->SetSelStart(Integer(edit->Text().size()));
    driver_->Type(c.typed);
    grid->SetCol(2);
    driver_->Settle();
    EXPECT_EQ(grid->GetCellText(1, 1), c.stored);
    EXPECT_FALSE(focused->Visible());
    EXPECT_FALSE(grid->EditorActive());
    EXPECT_EQ(grid->ActiveEditControl(), nullptr);
  }
}

TEST_F(EditorControlsTest, EditWithButtonGridKeysValidateAndLeaveOrStay) {
  struct Case {
    const char* name;
    Word key;
    bool tabs;        // goTabs
    bool accepted;
    Integer col, row; // the current cell afterwards
    std::string cell; // (1, 1) afterwards
    bool stays;       // the control keeps the focus
  };
  const Case cases[] = {
      {"Return accepted", VK_RETURN, false, true, 1, 1, "old!", false},
      {"Return refused", VK_RETURN, false, false, 1, 1, "old", true},
      {"Down accepted", VK_DOWN, false, true, 1, 2, "old!", false},
      {"Up refused", VK_UP, false, false, 1, 1, "old", true},
      {"Tab with goTabs", VK_TAB, true, true, 2, 1, "old!", false},
      {"Tab refused", VK_TAB, true, false, 1, 1, "old", true},
      {"Escape", VK_ESCAPE, false, true, 1, 1, "old", false},
      {"PageDown", VK_NEXT, false, true, 1, 1, "old!", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = NewEditGrid(edEditBtn, "old");
    if (c.tabs) grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    AcceptOnly(grid, c.accepted ? std::vector<std::string>{"old!"} : std::vector<std::string>{});
    Open(grid);
    auto* edit = dynamic_cast<TGridEditBtn*>(driver_->FocusedControl());
    ASSERT_NE(edit, nullptr);
    edit->SetSelStart(3);
    driver_->Type("!");
    driver_->PressKey(c.key);
    EXPECT_EQ(grid->Col(), c.col);
    EXPECT_EQ(grid->Row(), c.row);
    EXPECT_EQ(grid->GetCellText(1, 1), c.cell);
    EXPECT_EQ(driver_->FocusedControl() == edit, c.stays);
    if (c.stays) {
      EXPECT_EQ(edit->Text(), "old");   // the cell's text again, the caret at its end
      EXPECT_EQ(edit->SelStart(), 3);
      grid->OnCellValidate = {};
      driver_->PressKey(VK_ESCAPE);
    }
    EXPECT_FALSE(grid->EditorActive());
  }
}

TEST_F(EditorControlsTest, EditWithButtonTypingFollowsItsKindAndTheButtonAsksTheGrid) {
  struct Case {
    TEditorType kind;
    std::string typed, text;
    int beeps;
  };
  const Case cases[] = {
      {edEditBtn, "a1-\r", "a1-", 0},
      {edNumericEditBtn, "-1a2-", "-12", 2},
      {edFloatEditBtn, "1.5.x", "1.5", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TTestStringGrid* grid = NewEditGrid(c.kind);
    Open(grid);
    beeps_ = 0;
    auto* edit = dynamic_cast<TGridEditBtn*>(driver_->FocusedControl());
    ASSERT_NE(edit, nullptr);
    driver_->Type(c.typed);
    EXPECT_EQ(edit->Text(), c.text);
    EXPECT_EQ(beeps_, c.beeps);
    driver_->PressKey(VK_ESCAPE);
  }
  TTestStringGrid* grid = NewEditGrid(edEditBtn, "x");
  grid->OnEllipsClick = [](TObject*, Integer ACol, Integer ARow, std::string& S) {
    S += "@" + std::to_string(ACol) + "," + std::to_string(ARow);
  };
  Open(grid);
  auto* edit = dynamic_cast<TGridEditBtn*>(driver_->FocusedControl());
  ASSERT_NE(edit, nullptr);
  driver_->Click(edit->EditButton());
  EXPECT_EQ(edit->Text(), "x@1,1");
  EXPECT_EQ(edit->SelLength(), 5);
}

TEST_F(EditorControlsTest, EditWithButtonPastesOnlyWhenTheClipboardEventsAllowAndReportsChanges) {
  for (bool allow : {true, false}) {
    SCOPED_TRACE(allow ? "allowed" : "refused");
    TTestStringGrid* grid = NewEditGrid(edEditBtn, "ab");
    std::vector<std::string> log;
    grid->OnClipboardPaste = [&log, allow](TObject*, bool& Allow) {
      log.push_back("paste");
      Allow = allow;
    };
    grid->OnClipboardBeforePasteCell = [&log](TObject*, Integer ACol, Integer ARow, std::string& Value, bool&) {
      log.push_back("cell " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
      Value = "ignored";   // the clipboard's own text is pasted
    };
    grid->OnEditChange = [&log](TObject*, Integer, Integer, const std::string& Value) { log.push_back("change " + Value); };
    Open(grid);
    auto* edit = dynamic_cast<TGridEditBtn*>(driver_->FocusedControl());
    ASSERT_NE(edit, nullptr);
    edit->SetSelStart(2);
    log.clear();
    ASSERT_TRUE(SetClipboardText(edit->Handle(), "cd"));
    SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit->Text(), allow ? "abcd" : "ab");
    const std::vector<std::string> expected =
        allow ? std::vector<std::string>{"paste", "cell 1,1 cd", "change abcd"} : std::vector<std::string>{"paste"};
    EXPECT_EQ(log, expected);
    grid->OnClipboardPaste = {};
    grid->OnClipboardBeforePasteCell = {};
    grid->OnEditChange = {};
    driver_->PressKey(VK_ESCAPE);
  }
}

TEST_F(EditorControlsTest, UnitEditEscapeClearsTheUnitAndTheStartKeyReachesIt) {
  TTestStringGrid* grid = NewEditGrid(edUnitEditBtn, "7m");
  grid->SetEditStartKey('5');   // as the grid's character handling leaves it when typing starts the edit
  Open(grid);
  auto* edit = dynamic_cast<TGridUnitEditBtn*>(driver_->FocusedControl());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Text(), "57");
  EXPECT_EQ(edit->UnitID(), "m");
  edit->SetText("9");
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(edit->Text(), "7m");
  EXPECT_EQ(edit->UnitID(), "");
  EXPECT_EQ(grid->GetCellText(1, 1), "7m");
}

TEST_F(EditorControlsTest, CheckBoxReturnOpensTheNextEditorOnlyWithAdvanceOnEnter) {
  for (bool advance : {false, true}) {
    SCOPED_TRACE(advance ? "AdvanceOnEnter" : "no advance");
    TTestStringGrid* grid = NewEditGrid(edCheckBox, "c");
    grid->Navigation()->SetAdvanceOnEnter(advance);
    Open(grid);
    auto* box = dynamic_cast<TGridCheckBox*>(driver_->FocusedControl());
    ASSERT_NE(box, nullptr);
    driver_->PressKey(VK_RETURN);
    EXPECT_EQ(grid->Col(), advance ? 2 : 1);
    EXPECT_EQ(grid->EditorActive(), advance);
    EXPECT_EQ(box->Visible(), advance);   // the one check box opens again on the next cell
    EXPECT_EQ(driver_->FocusedControl() == grid, !advance);
    grid->HideCellEdit();
  }
}

TEST_F(EditorControlsTest, ButtonKeysMoveTheGridAndAClickStoresTheEllipsisAnswer) {
  TTestStringGrid* grid = NewEditGrid(edButton, "b");
  grid->OnEllipsClick = [](TObject*, Integer, Integer, std::string& S) { S = "clicked"; };
  Open(grid);
  auto* button = dynamic_cast<TGridButton*>(driver_->FocusedControl());
  ASSERT_NE(button, nullptr);
  driver_->Click(button);
  EXPECT_EQ(grid->GetCellText(1, 1), "clicked");
  EXPECT_EQ(button->Caption(), "clicked");

  driver_->PressKey(VK_RIGHT);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_FALSE(button->Visible());
  EXPECT_FALSE(grid->EditorActive());
  EXPECT_EQ(driver_->FocusedControl(), grid);

  grid->SetCellText(2, 1, "kept");
  Open(grid);
  grid->SetCellText(2, 1, "changed");
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(grid->GetCellText(2, 1), "kept");
  EXPECT_FALSE(button->Visible());
}

TEST_F(EditorControlsTest, WalkingRightAtTheEndOpensTheNextEditorOrOnlySelectsAClickableCell) {
  for (bool clickable : {false, true}) {
    SCOPED_TRACE(clickable ? "clickable neighbour" : "plain neighbour");
    TTestStringGrid* grid = NewEditGrid(edEditBtn, "ab");
    grid->Navigation()->SetCursorWalkEditor(true);
    if (clickable) grid->CreateCellGraphic(2, 1)->SetCellType(ctCheckBox);
    Open(grid);
    auto* edit = dynamic_cast<TGridEditBtn*>(driver_->FocusedControl());
    ASSERT_NE(edit, nullptr);
    edit->SetSelStart(2);
    driver_->PressKey(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->EditorActive(), !clickable);
    EXPECT_EQ(edit->Visible(), !clickable);
  }
}

TEST_F(EditorControlsTest, AControlOwnedByAnotherComponentIsRefused) {
  TForm* form = NewForm("NotAGrid", false);
  EXPECT_THROW(new TGridEditBtn(form), EInvalidCast);
  EXPECT_THROW(new TGridCheckBox(form), EInvalidCast);
}

}  // namespace
}  // namespace gridtest

namespace gridtest {
namespace {

class ComboEditorTest : public EditorControlsTest {
 protected:
  ~ComboEditorTest() override {
    for (TTestStringGrid* grid : combos_) {
      grid->OnComboChange = {};
      grid->OnComboObjectChange = {};
    }
  }
  // A grid of Kind whose combo holds the items; OnComboChange and OnComboObjectChange logged.
  TTestStringGrid* ComboGrid(TEditorType Kind, const std::string& Text) {
    TTestStringGrid* grid = NewEditGrid(Kind, Text);
    for (const char* item : {"Apple", "Banana", "Cherry"}) grid->EditorControls()->Combo()->Items()->Add(item);
    grid->OnComboChange = [this](TObject*, Integer ACol, Integer ARow, Integer AItemIndex, const std::string& S) {
      events_.push_back("change " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                        std::to_string(AItemIndex) + " " + S);
    };
    grid->OnComboObjectChange = [this](TObject*, Integer, Integer, Integer AItemIndex, const std::string&, TObject*) {
      events_.push_back("object " + std::to_string(AItemIndex));
    };
    combos_.push_back(grid);
    return grid;
  }
  TGridCombo* OpenCombo(TTestStringGrid* Grid) {
    Open(Grid);
    auto* combo = Grid->EditorControls()->ComboIfMade();
    EXPECT_NE(combo, nullptr);
    EXPECT_TRUE(combo->Focused());
    return combo;
  }

  std::vector<std::string> events_;

 private:
  std::vector<TTestStringGrid*> combos_;
};

TEST_F(ComboEditorTest, ButtonWidthTakesOnly14To32) {
  TTestStringGrid* grid = NewEditGrid(edComboEdit);
  TGridCombo* combo = grid->EditorControls()->Combo();
  EXPECT_EQ(combo->ButtonWidth(), 16);
  for (const auto& [width, taken] : {std::pair{13, 16}, {14, 14}, {32, 32}, {33, 32}}) {
    combo->SetButtonWidth(width);
    EXPECT_EQ(combo->ButtonWidth(), taken) << width;
  }
  EXPECT_EQ(combo->Version(), "1.2.0.1");
}

TEST_F(ComboEditorTest, AListWhoseCellTextIsNoItemOpensOnTheFirstAndReportsIt) {
  struct Case {
    TEditorType kind;
    std::string cell;
    Integer index;
    std::string text;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {edComboList, "Durian", 0, "Apple", {"change 1,1 0 Apple", "object 0"}},
      {edComboList, "Banana", 1, "Banana", {}},
      {edComboEdit, "Durian", -1, "Durian", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " " + c.cell);
    events_.clear();
    TTestStringGrid* grid = ComboGrid(c.kind, c.cell);
    TGridCombo* combo = OpenCombo(grid);
    EXPECT_EQ(combo->Style(), c.kind == edComboList ? csDropDownList : csDropDown);
    EXPECT_EQ(combo->ItemIndex(), c.index);
    EXPECT_EQ(combo->Text(), c.text);
    EXPECT_EQ(events_, c.events);
    grid->SetCol(2);   // closing stores the combo's text
    EXPECT_EQ(grid->GetCellText(1, 1), c.text);
    EXPECT_FALSE(combo->Visible());
  }
}

TEST_F(ComboEditorTest, TheGridRelaysTheCombosSelectionTextAndCloseUpNotifications) {
  struct Case {
    const char* name;
    TEditorType kind;
    Word key;            // pressed in the open combo (0: none)
    std::string typed;
    bool closeUp;        // dropped down, then closed
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"a new selection", edComboList, VK_DOWN, "", false, {"change 1,1 1 Banana", "object 1"}},
      {"an edited text", edComboEdit, 0, "x", false, {"change 1,1 -1 ", "object -1", "change 1,1 -1 x"}},
      {"a close-up", edComboList, 0, "", true, {"closeup 1,1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = ComboGrid(c.kind, "Apple");
    grid->OnComboCloseUp = [this](TObject*, Integer ARow, Integer ACol) {
      events_.push_back("closeup " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    TGridCombo* combo = OpenCombo(grid);
    if (c.kind == edComboEdit) combo->SetText("");
    events_.clear();
    if (c.key != 0) driver_->PressKey(c.key);
    driver_->Type(c.typed);
    if (c.closeUp) {
      combo->SetDroppedDown(true);
      combo->SetDroppedDown(false);
    }
    driver_->Settle();
    EXPECT_EQ(events_, c.events);
    grid->OnComboCloseUp = {};
    driver_->PressKey(VK_ESCAPE);
  }
}

TEST_F(ComboEditorTest, TypingCompletesFromTheItemsThenFromLookupItems) {
  struct Case {
    std::string typed, text;
    Integer index;
  };
  // The typed part stays as typed; the rest comes from the item.
  const Case cases[] = {{"ba", "banana", 1}, {"gr", "grape", -1}, {"x", "x", -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TTestStringGrid* grid = ComboGrid(edComboEdit, "");
    grid->SetLookup(true);
    grid->LookupItems()->Add("Grape");
    TGridCombo* combo = OpenCombo(grid);
    for (char ch : c.typed) driver_->PressKey(Word(ch - 'a' + 'A'));   // key-ups drive the completion
    EXPECT_EQ(combo->Text(), c.text);
    EXPECT_EQ(combo->ItemIndex(), c.index);
    EXPECT_EQ(combo->SelText(), c.text.substr(c.typed.size()));
    driver_->PressKey(VK_ESCAPE);
  }
}

TEST_F(ComboEditorTest, EscapeRestoresTheCellAndUpValidatesAndLeavesUpwards) {
  TTestStringGrid* grid = ComboGrid(edComboEdit, "Cherry");
  grid->SetRow(2);
  grid->SetCellText(1, 2, "Cherry");
  TGridCombo* combo = OpenCombo(grid);
  combo->SetText("Apple");
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(combo->Text(), "Cherry");
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(grid->GetCellText(1, 2), "Cherry");

  combo = OpenCombo(grid);
  AcceptOnly(grid, {"Banana"});
  combo->SetText("Apple");
  driver_->PressKey(VK_UP);   // refused: stays
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_TRUE(combo->Focused());
  EXPECT_EQ(combo->Text(), "Cherry");
  combo->SetText("Banana");
  driver_->PressKey(VK_UP);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->GetCellText(1, 2), "Banana");
  EXPECT_FALSE(combo->Visible());
}

TEST_F(ComboEditorTest, TheWheelStepsAmongTheItemsAndFiresOnlyForAnItem) {
  TTestStringGrid* grid = ComboGrid(edComboList, "Banana");
  TGridCombo* combo = OpenCombo(grid);
  const auto wheel = [&](short Delta) {
    events_.clear();
    SendMessageA(combo->Handle(), grid->WheelMessage(), MAKEWPARAM(0, WORD(Delta)), 0);
    return combo->ItemIndex();
  };
  EXPECT_EQ(wheel(-120), 2);
  EXPECT_EQ(events_, (std::vector<std::string>{"change 1,1 2 Cherry", "object 2"}));
  EXPECT_EQ(wheel(-120), 2);   // past the last item: stays on it
  EXPECT_EQ(wheel(120), 1);
  EXPECT_EQ(wheel(120), 0);
  EXPECT_EQ(wheel(120), 0);
  combo->Items()->Clear();
  EXPECT_EQ(wheel(-120), -1);
  EXPECT_TRUE(events_.empty());
}

TEST_F(ComboEditorTest, WithLookupHistoryANewTextJoinsTheItems) {
  TTestStringGrid* grid = ComboGrid(edComboEdit, "");
  grid->SetLookupHistory(true);
  TGridCombo* combo = OpenCombo(grid);
  driver_->Type("Fig");
  grid->SetFocus();
  driver_->Settle();
  EXPECT_EQ(grid->GetCellText(1, 1), "Fig");
  EXPECT_EQ(combo->Items()->IndexOf("Fig"), 3);
}

// ---- The spin edit ----

TEST_F(EditorControlsTest, SpinKindsOpenWithTheCellValueStepAndStoreInTheirFormat) {
  PinnedLocale locale;
  FormatSettings.TimeSeparator = ':';
  FormatSettings.LongTimeFormat = "hh:nn:ss";
  struct Case {
    TEditorType kind;
    std::string cell, shown;
    Integer caret;
    std::string stored, event;
  };
  const Case cases[] = {
      {edSpinEdit, "7", "7", 0, "8", "int 8 up"},
      {edSpinEdit, "x", "0", 0, "1", "int 1 up"},
      {edFloatSpinEdit, "2.5", "2.5", 0, "2.60", "float 2.6 up"},   // FloatFormat "%.2f"
      {edTimeSpinEdit, "10:20:30", "10:20:30", 0, "11:20:30", "time up"},
      {edDateSpinEdit, "31/01/2025", "31/01/2025", 4, "28/02/2025", "date up"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    TTestStringGrid* grid = NewEditGrid(c.kind, c.cell);
    std::vector<std::string> events;
    grid->OnSpinClick = [&events](TObject*, Integer, Integer, Integer V, bool Up) {
      events.push_back("int " + std::to_string(V) + (Up ? " up" : " down"));
    };
    grid->OnFloatSpinClick = [&events](TObject*, Integer, Integer, double V, bool Up) {
      events.push_back("float " + FloatToStr(V) + (Up ? " up" : " down"));
    };
    grid->OnTimeSpinClick = [&events](TObject*, Integer, Integer, TDateTime, bool Up) {
      events.push_back(std::string("time") + (Up ? " up" : " down"));
    };
    grid->OnDateSpinClick = [&events](TObject*, Integer, Integer, TDateTime, bool Up) {
      events.push_back(std::string("date") + (Up ? " up" : " down"));
    };
    Open(grid);
    auto* spin = dynamic_cast<TGridSpin*>(driver_->FocusedControl());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(grid->ActiveEditControl(), spin);
    EXPECT_EQ(spin->Text(), c.shown);
    spin->SetSelStart(c.caret);
    driver_->PressKey(VK_UP);
    EXPECT_EQ(events, std::vector<std::string>{c.event});
    grid->SetCol(2);
    driver_->Settle();
    EXPECT_EQ(grid->GetCellText(1, 1), c.stored);
    EXPECT_FALSE(spin->Visible());
    grid->OnSpinClick = {};
    grid->OnFloatSpinClick = {};
    grid->OnTimeSpinClick = {};
    grid->OnDateSpinClick = {};
  }
}

TEST_F(EditorControlsTest, SpinGridKeysValidateRestoreOrJumpToABound) {
  struct Case {
    const char* name;
    Word key;
    bool accepted;
    std::string cell;   // (1, 1) afterwards
    bool stays;
    std::string text;   // the spin's text afterwards when it stays
  };
  const Case cases[] = {
      {"Return accepted", VK_RETURN, true, "6", false, ""},
      {"Return refused", VK_RETURN, false, "5", true, "5"},
      {"Escape", VK_ESCAPE, true, "5", false, ""},
      {"Home", VK_HOME, true, "5", true, "100"},
      {"End", VK_END, true, "5", true, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = NewEditGrid(edSpinEdit, "5");
    AcceptOnly(grid, c.accepted ? std::vector<std::string>{"6"} : std::vector<std::string>{});
    std::vector<Integer> clicks;
    grid->OnSpinClick = [&clicks](TObject*, Integer, Integer, Integer V, bool) { clicks.push_back(V); };
    Open(grid);
    auto* spin = dynamic_cast<TGridSpin*>(driver_->FocusedControl());
    ASSERT_NE(spin, nullptr);
    driver_->PressKey(VK_UP);
    driver_->PressKey(c.key);
    EXPECT_EQ(grid->GetCellText(1, 1), c.cell);
    EXPECT_EQ(driver_->FocusedControl() == spin, c.stays);
    if (c.stays) {
      EXPECT_EQ(spin->Text(), c.text);
    }
    if (c.key == VK_HOME || c.key == VK_END) {
      EXPECT_EQ(clicks, (std::vector<Integer>{6, std::stoi(c.text)}));
    }
    grid->OnSpinClick = {};
    grid->OnCellValidate = {};
    if (c.stays) driver_->PressKey(VK_ESCAPE);
    EXPECT_FALSE(grid->EditorActive());
  }
}

}  // namespace
}  // namespace gridtest
