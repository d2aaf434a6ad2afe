// The string grid's in-place editing: the editor kinds' rules for typed and pasted text, the length
// limit, which editor CanEditShow chooses, the editor's place over a merged range, OnEditChange,
// lookup completion, and how an edit ends (Escape, Enter, Tab, walking, focus loss) with the
// posted "GridEditDone".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/navigation.h"
#include "grid/pro_grid_unit.h"
#include "grid/pro_inplace_edit.h"
#include "pinned_locale.h"
#include "platform/classes/string_list.h"
#include "platform/ui/brush.h"
#include "platform/ui/edit.h"
#include "platform/ui/font.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/message_beep.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/edit_window.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// Logs the "GridEditDone" messages its window receives, as "done <col>,<row>".
class TEditLogGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  using TProStringGrid::MoveColRow;
  std::vector<std::string>* log = nullptr;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == GridEditDoneMessage() && log != nullptr)
      log->push_back("done " + std::to_string(Message.WParam) + "," + std::to_string(Message.LParam));
    TTestStringGrid::WndProc(Message);
  }
};

class EditingTest : public StringGridTest {
 protected:
  EditingTest() {
    user::SetBeepListener([this](UINT) { ++beeps_; });
  }
  // The handlers capture the test body's locals: they go before the fixture frees the forms.
  ~EditingTest() override {
    user::SetBeepListener({});
    for (TEditLogGrid* grid : grids_) {
      grid->log = nullptr;
      grid->OnEditingDone = {};
      grid->OnCellValidate = {};
      grid->OnEditChange = {};
      grid->OnClipboardPaste = {};
      grid->OnClipboardBeforePasteCell = {};
    }
  }

  // A shown, focused 5 x 5 grid with goEditing whose cells all take the editor kind Kind.
  TEditLogGrid* NewEditGrid(TEditorType Kind = edNormal) {
    TForm* form = NewForm("EditingForm" + std::to_string(++forms_), false);
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new TEditLogGrid(form);
    grid->SetParent(form);
    grid->SetColCount(5);
    grid->SetRowCount(5);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->OnGetEditorType = [Kind](TObject*, Integer, Integer, TEditorType& Editor) { Editor = Kind; };
    grid->log = &log_;
    grids_.push_back(grid);
    form->Show();
    grid->SetFocus();
    driver_->Settle();
    return grid;
  }

  // Opens the editor on the current cell holding Text with the selection (Start, Length).
  TProInplaceEdit* OpenEditor(TProStringGrid* Grid, const std::string& Text, Integer Start, Integer Length) {
    Grid->SetCellText(Grid->Col(), Grid->Row(), Text);
    Grid->ShowCellEditor();
    driver_->Settle();
    TProInplaceEdit* editor = Grid->GetInplaceEditor();
    EXPECT_NE(editor, nullptr);
    editor->SetSelStart(Start);
    editor->SetSelLength(Length);
    return editor;
  }

  std::vector<std::string> log_;
  int beeps_ = 0;

 private:
  Integer forms_ = 0;
  std::vector<TEditLogGrid*> grids_;
};

TEST_F(EditingTest, TypedCharactersFollowTheEditorKind) {
  PinnedLocale locale;
  const std::string thai = "\xA1\xA2";   // two Thai letters in code page 874
  struct Case {
    TEditorType kind;
    std::string text;
    Integer selStart, selLength;
    std::string typed, expected;
    int beeps;
  };
  const Case cases[] = {
      {edNumeric, "12", 0, 0, "-", "-12", 0},
      {edNumeric, "-12", 0, 0, "-", "-12", 1},
      {edNumeric, "12", 1, 0, "-", "12", 1},
      {edNumeric, "12", 2, 0, "a", "12", 1},
      {edPositiveNumeric, "12", 0, 0, "-3", "312", 1},
      {edFloat, "1.5", 3, 0, ".", "1.5", 0},
      {edFloat, "1.5", 1, 2, ".", "1.", 0},
      {edFloat, "15", 2, 0, ",", "15", 0},
      {edFloat, "15", 2, 0, "x-", "15", 1},
      {edUpperCase, "", 0, 0, "ab" + thai, "AB" + thai, 0},
      {edCapital, "", 0, 0, "q", "Q", 0},
      {edLowerCase, "", 0, 0, "AB", "ab", 0},
      {edMixedCase, "", 0, 0, "john smith", "John Smith", 0},
      {edPassword, "", 0, 0, "Ab1", "Ab1", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " '" + c.text + "' + '" + c.typed + "'");
    TEditLogGrid* grid = NewEditGrid(c.kind);
    TProInplaceEdit* editor = OpenEditor(grid, c.text, c.selStart, c.selLength);
    beeps_ = 0;
    driver_->Type(c.typed);
    EXPECT_EQ(editor->Text(), c.expected);
    EXPECT_EQ(beeps_, c.beeps);
  }
}

TEST_F(EditingTest, TheLengthLimitDropsLettersButNotBackspaceAndTypingReplacesASelection) {
  TEditLogGrid* grid = NewEditGrid();
  grid->SetMaxEditLength(5);
  TProInplaceEdit* editor = OpenEditor(grid, "abcde", 5, 0);
  EXPECT_EQ(editor->LengthLimit(), 5);
  driver_->Type("x");
  EXPECT_EQ(editor->Text(), "abcde");
  driver_->PressKey(VK_BACK);
  EXPECT_EQ(editor->Text(), "abcd");
  driver_->Type("e");
  editor->SetSelStart(0);
  editor->SetSelLength(3);
  driver_->Type("x");
  EXPECT_EQ(editor->Text(), "xde");
}

TEST_F(EditingTest, TheKeypadDecimalKeyGivesTheLocalesSeparatorAndCtrlCStillCopiesInAFloatCell) {
  PinnedLocale locale('.', ',');
  TEditLogGrid* grid = NewEditGrid(edFloat);
  grid->SetExcelStyleDecimalSeparator(true);
  TProInplaceEdit* editor = OpenEditor(grid, "1", 1, 0);
  SendMessageA(editor->Handle(), WM_CHAR, '.', LPARAM(1) << 22);
  EXPECT_EQ(editor->Text(), "1,");
  editor->SelectAll();
  driver_->PressKey('C', TShiftState{ssCtrl});
  EXPECT_EQ(ClipboardText(editor->Handle()), "1,");
  EXPECT_EQ(editor->Text(), "1,");
}

TEST_F(EditingTest, TheEditorTakesTheCellsColourAndFont) {
  struct Case {
    const char* name;
    Integer col, row;
    TColor color, fontColor;
    std::string fontName;
  };
  const Case cases[] = {
      {"cell properties", 1, 1, clYellow, clRed, ""},
      {"colour event", 2, 2, clLime, clBlue, "Tahoma"},
      {"plain cell", 3, 3, clNone, clNone, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditLogGrid* grid = NewEditGrid();
    grid->SetColor(clAqua);
    grid->Font()->SetColor(clMaroon);
    grid->SetCellColor(1, 1, clYellow);
    grid->SetCellFontColor(1, 1, clRed);
    grid->OnGetCellColor = [](TObject*, Integer ARow, Integer ACol, TGridDrawState, TBrush* ABrush, TFont* AFont) {
      if (ACol != 2 || ARow != 2) return;
      ABrush->SetColor(clLime);
      AFont->SetColor(clBlue);
      AFont->SetName("Tahoma");
    };
    grid->MoveColRow(c.col, c.row, true, true);
    TProInplaceEdit* editor = OpenEditor(grid, "x", 0, 0);
    EXPECT_EQ(editor->Color(), c.color == clNone ? clAqua : c.color);
    EXPECT_EQ(editor->Font()->Color(), c.fontColor == clNone ? clMaroon : c.fontColor);
    EXPECT_EQ(editor->Font()->Name(), c.fontName.empty() ? grid->Font()->Name() : c.fontName);
  }
}

TEST_F(EditingTest, PastedTextFollowsTheKindTheLimitAndTheClipboardEvents) {
  PinnedLocale locale;
  struct Case {
    TEditorType kind;
    std::string text, pasted, expected;
    bool refuse;
    std::string changedTo;
  };
  const Case cases[] = {
      {edNumeric, "12", "3a", "12", false, ""},
      {edNumeric, "12", "34", "1234", false, ""},
      {edFloat, "", "1.25", "1.25", false, ""},
      {edFloat, "", "1.2.5", "", false, ""},
      {edMixedCase, "", "john smith", "John Smith", false, ""},
      {edCapital, "", "abc", "abc", false, ""},
      {edUpperCase, "", "abc", "ABC", false, ""},
      {edNormal, "abc", "defghijklmnop", "abc", false, ""},   // past the limit of 12
      {edNormal, "ab", "cd", "ab", true, ""},
      {edNormal, "ab", "cd", "abxy", false, "xy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " '" + c.text + "' + '" + c.pasted + "'");
    TEditLogGrid* grid = NewEditGrid(c.kind);
    grid->SetMaxEditLength(12);
    grid->OnClipboardPaste = [&](TObject*, bool& Allow) { Allow = !c.refuse; };
    grid->OnClipboardBeforePasteCell = [&](TObject*, Integer, Integer, std::string& Value, bool&) {
      if (!c.changedTo.empty()) Value = c.changedTo;
    };
    TProInplaceEdit* editor = OpenEditor(grid, c.text, Integer(c.text.size()), 0);
    ASSERT_TRUE(SetClipboardText(editor->Handle(), c.pasted));
    SendMessageA(editor->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(editor->Text(), c.expected);
  }
}

TEST_F(EditingTest, CanEditShowChoosesTheEditorByKindCellAndState) {
  struct Case {
    TEditorType kind;
    bool checkBox;
    bool shown, active;
  };
  const Case cases[] = {
      {edNormal, false, true, true},        {edFloat, false, true, true},       {edPassword, false, true, true},
      {edNone, false, false, false},        {edNormal, true, false, false},     {edDataCheckBox, false, false, true},
      {edRichEdit, false, false, true},     {edUniEdit, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + (c.checkBox ? " on a check box" : ""));
    TEditLogGrid* grid = NewEditGrid(c.kind);
    if (c.checkBox) grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->SetCellText(1, 1, "text");
    grid->ShowCellEditor();
    driver_->Settle();
    const TProInplaceEdit* editor = grid->GetInplaceEditor();
    EXPECT_EQ(editor != nullptr && const_cast<TProInplaceEdit*>(editor)->IsShown(), c.shown);
    EXPECT_EQ(grid->EditorActive(), c.active);
    EXPECT_EQ(grid->ActiveEditorType(), c.checkBox ? edNormal : c.kind);
    grid->SetCol(2);   // leaving the cell keeps its text
    EXPECT_EQ(grid->GetCellText(1, 1), "text");
    EXPECT_FALSE(grid->EditorActive());
  }
}

TEST_F(EditingTest, TheEditorCoversAMergedRangeAndReportsChangesOnlyAfterItGainedTheFocus) {
  TEditLogGrid* grid = NewEditGrid();
  grid->MergeCells(1, 1, 3, 2);
  std::vector<std::string> changes;
  grid->OnEditChange = [&](TObject*, Integer ACol, Integer ARow, const std::string& Value) {
    changes.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
  };
  TProInplaceEdit* editor = OpenEditor(grid, "ab", 2, 0);
  const TRect span = grid->CellSpanRect(1, 1);
  EXPECT_EQ(editor->BoundsRect(), (TRect{span.Left, span.Top, span.Right - 1, span.Bottom - 1}));
  TRect format{};
  SendMessageA(editor->Handle(), EM_GETRECT, 0, LPARAM(&format));
  EXPECT_EQ(format, (TRect{2, 2, editor->Width() - 2, editor->Height()}));
  EXPECT_TRUE(changes.empty());   // filling the editor reports nothing
  driver_->Type("cd");
  EXPECT_EQ(changes, (std::vector<std::string>{"1,1 abc", "1,1 abcd"}));
}

TEST_F(EditingTest, CaretToMouseOpensTheEditorWithTheCaretUnderThePointerOnlyWhenThePointerIsOverIt) {
  struct Case {
    const char* name;
    bool overTheEditor, selectAll;
    Integer selStart, selLength;
    bool caretToMouseAfter;
  };
  const Case cases[] = {
      {"over the fourth character", true, true, 3, 0, false},
      {"outside, caret at the end", false, false, 6, 0, true},
      {"outside, all selected", false, true, 0, 6, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditLogGrid* grid = NewEditGrid();
    grid->Navigation()->SetEditSelectAll(c.selectAll);
    // Where the fourth character lies, in the grid's client area, from an editor opened once.
    TProInplaceEdit* editor = OpenEditor(grid, "abcdef", 0, 0);
    const LRESULT at = SendMessageA(editor->Handle(), EM_POSFROMCHAR, 3, 0);
    const TPoint fourth{editor->Left() + Integer(LOWORD(at)) + 1, editor->Top() + Integer(HIWORD(at)) + 3};
    driver_->PressKey(VK_ESCAPE);
    const TRect away = grid->CellRect(3, 3);
    driver_->MoveMouseTo(grid, c.overTheEditor ? fourth : TPoint{away.Left + 5, away.Top + 5});
    grid->SetCaretToMouse(true);
    grid->ShowCellEditor();
    driver_->Settle();
    ASSERT_TRUE(editor->Focused());
    EXPECT_EQ(editor->SelStart(), c.selStart);
    EXPECT_EQ(editor->SelLength(), c.selLength);
    EXPECT_EQ(grid->CaretToMouse(), c.caretToMouseAfter);
  }
}

TEST_F(EditingTest, LookupCompletesTheTypedPrefixUntilBackspaceAndHistoryKeepsNewTexts) {
  TEditLogGrid* grid = NewEditGrid();
  grid->SetLookup(true);
  grid->SetLookupHistory(true);
  grid->LookupItems()->Add("Bangkok");
  grid->LookupItems()->Add("Chiang Mai");
  TProInplaceEdit* editor = OpenEditor(grid, "", 0, 0);
  driver_->PressKey('B');   // key-ups drive the completion
  driver_->PressKey('A', TShiftState{ssShift});
  EXPECT_EQ(editor->Text(), "bAngkok");
  EXPECT_EQ(editor->SelStart(), 2);
  EXPECT_EQ(editor->SelLength(), 5);
  driver_->PressKey(VK_BACK);
  EXPECT_EQ(editor->Text(), "bA");
  driver_->PressKey(VK_BACK);
  EXPECT_EQ(editor->Text(), "b");
  editor->SetText("Phuket");
  grid->SetCol(2);
  driver_->Settle();
  EXPECT_EQ(grid->LookupItems()->IndexOf("Phuket"), 2);
}

TEST_F(EditingTest, EscapeRestoresTheKeptTextAndEnterStoresAndAdvances) {
  TEditLogGrid* grid = NewEditGrid();
  grid->Navigation()->SetAdvanceOnEnter(true);
  grid->OnCellValidate = [&](TObject*, Integer ACol, Integer ARow, std::string& Value, bool&) {
    log_.push_back("validate " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
  };
  grid->OnEditingDone = [&](TObject*) { log_.push_back("editing done"); };
  TProInplaceEdit* editor = OpenEditor(grid, "old", 3, 0);
  driver_->Type("er");
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(grid->GetCellText(1, 1), "old");
  EXPECT_FALSE(editor->IsShown());

  editor = OpenEditor(grid, "old", 3, 0);
  log_.clear();
  driver_->Type("!");
  driver_->PressKey(VK_RETURN);
  EXPECT_EQ(grid->GetCellText(1, 1), "old!");
  EXPECT_EQ(grid->Col(), 2);
  ASSERT_FALSE(log_.empty());
  EXPECT_EQ(log_.front(), "validate 1,1 old!");
}

TEST_F(EditingTest, ARefusingValidationKeepsTheEditorOnTabAndUpAndAnAcceptingOneMoves) {
  TEditLogGrid* grid = NewEditGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  grid->Navigation()->SetEditSelectAll(false);
  bool valid = false;
  grid->OnCellValidate = [&](TObject*, Integer, Integer, std::string&, bool& Valid) { Valid = valid; };
  grid->MoveColRow(1, 2, true, true);
  TProInplaceEdit* editor = OpenEditor(grid, "cell", 4, 0);
  driver_->Type("x");
  driver_->PressKey(VK_TAB);
  EXPECT_TRUE(editor->IsShown());
  EXPECT_EQ(editor->Text(), "cell");
  EXPECT_EQ(editor->SelStart(), 4);
  EXPECT_EQ(grid->Col(), 1);

  driver_->Type("y");
  driver_->PressKey(VK_UP);
  EXPECT_EQ(editor->Text(), "cell");
  EXPECT_EQ(grid->Row(), 2);

  valid = true;
  driver_->Type("z");
  driver_->PressKey(VK_UP);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->GetCellText(1, 2), "cellz");
}

TEST_F(EditingTest, CursorWalkEditorWalksOutAtTheTextsEdges) {
  TEditLogGrid* grid = NewEditGrid();
  grid->Navigation()->SetCursorWalkEditor(true);
  grid->MoveColRow(2, 1, true, true);
  grid->SetCellText(3, 1, "cd");
  TProInplaceEdit* editor = OpenEditor(grid, "ab", 2, 0);
  driver_->PressKey(VK_RIGHT);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_TRUE(editor->IsShown());
  EXPECT_EQ(editor->Text(), "cd");

  editor->SetSelStart(1);
  editor->SetSelLength(0);
  driver_->PressKey(VK_LEFT);   // only reaches the start: stays
  EXPECT_EQ(grid->Col(), 3);
  driver_->PressKey(VK_LEFT);   // already at the start: back one cell, without an editor
  EXPECT_EQ(grid->Col(), 2);
}

TEST_F(EditingTest, FocusGoingToAnotherFormClosesTheEditorAndPostsGridEditDone) {
  TEditLogGrid* grid = NewEditGrid();
  int validations = 0;
  grid->OnCellValidate = [&](TObject*, Integer, Integer, std::string&, bool&) { ++validations; };
  grid->OnEditingDone = [&](TObject*) { log_.push_back("editing done"); };
  grid->MoveColRow(3, 2, true, true);
  OpenEditor(grid, "a", 1, 0);
  driver_->Type("b");
  TForm* other = NewForm("OtherForm", false);
  auto* edit = new TEdit(other);
  edit->SetParent(other);
  log_.clear();
  other->Show();
  edit->SetFocus();
  driver_->Settle();
  EXPECT_EQ(validations, 0);
  EXPECT_EQ(log_, (std::vector<std::string>{"editing done", "done 3,2"}));
}

}   // namespace
}   // namespace gridtest
