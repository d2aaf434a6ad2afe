// A cell's display, save and loaded texts, and the validation that ends an edit, called as the
// editor life cycle calls it: the edit cell is remembered when editing starts, the editor-open
// flag is set while an editor shows, and ValidateCell gets the edited text.
#include <gtest/gtest.h>

#include "grid/cell_graphic.h"
#include "grid/navigation.h"
#include "grid/pro_grid_undo_redo.h"
#include "grid/show_modified.h"
#include "grid/wide_cell_text.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class ValidationTest : public StringGridTest {
 protected:
  // Starts an edit of the cell as the editor life cycle does.
  static void StartEdit(TTestStringGrid* Grid, Integer ACol, Integer ARow) {
    Grid->RememberCellValue(ACol, ARow);
    Grid->SetEditorOpen(true);
  }
};

TEST_F(ValidationTest, AnAcceptedEditIsStoredRecordedForUndoAndReportedOnce) {
  TTestStringGrid* grid = NewGrid(true);
  auto* undo = new TProGridUndoRedo(grid->Owner());
  grid->SetUndoRedo(undo);
  grid->SetCellText(2, 3, "old");
  std::vector<TRect> changes;
  grid->OnCellsChanged = [&](TObject*, TRect r) { changes.push_back(r); };
  std::vector<std::string> validated;
  grid->OnCellValidate = [&](TObject*, Integer col, Integer row, std::string& value, bool&) {
    validated.push_back(std::to_string(col) + "," + std::to_string(row) + "," + value);
    EXPECT_FALSE(grid->Navigation()->AdvanceOnEnter());   // off while the handler runs
  };
  grid->Navigation()->SetAdvanceOnEnter(true);
  StartEdit(grid, 2, 3);
  EXPECT_TRUE(grid->ValidateCell("new"));
  EXPECT_EQ(grid->GetCellText(2, 3), "new");
  EXPECT_EQ(validated, (std::vector<std::string>{"2,3,new"}));
  EXPECT_EQ(changes, (std::vector<TRect>{TRect{2, 3, 2, 3}}));
  ASSERT_EQ(undo->Items()->Count(), 1);
  EXPECT_EQ(undo->Items()->Items(0)->OrigValue(), "old");
  EXPECT_EQ(undo->Items()->Items(0)->Value(), "new");
  EXPECT_FALSE(grid->EditorOpen());
  EXPECT_TRUE(grid->Navigation()->AdvanceOnEnter());
  EXPECT_EQ(grid->LastEditedText(), "new");
  // No editor open any more: the next call accepts without asking.
  EXPECT_TRUE(grid->ValidateCell("other"));
  EXPECT_EQ(validated.size(), 1u);
}

TEST_F(ValidationTest, AnUnchangedTextIsNotValidatedUnlessAlwaysValidate) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetCellText(1, 1, "same");
  int asked = 0;
  grid->OnCellValidate = [&](TObject*, Integer, Integer, std::string&, bool&) { ++asked; };
  StartEdit(grid, 1, 1);
  EXPECT_TRUE(grid->ValidateCell("same"));
  EXPECT_EQ(asked, 0);
  grid->SetAlwaysValidate(true);
  StartEdit(grid, 1, 1);
  EXPECT_TRUE(grid->ValidateCell("same"));
  EXPECT_EQ(asked, 1);
}

TEST_F(ValidationTest, ARefusalPutsTheOldTextBackOrStoresTheHandlersTextAndReopensTheEditor) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->SetCellText(1, 1, "old");
  grid->OnCellValidate = [](TObject*, Integer, Integer, std::string&, bool& valid) { valid = false; };
  StartEdit(grid, 1, 1);
  EXPECT_FALSE(grid->ValidateCell("typed"));
  EXPECT_EQ(grid->GetCellText(1, 1), "old");
  EXPECT_FALSE(grid->EditorOpen());
  grid->OnCellValidate = [](TObject*, Integer, Integer, std::string& value, bool& valid) {
    valid = false;
    value = "corrected";
  };
  grid->SetCol(3);
  StartEdit(grid, 1, 1);
  EXPECT_FALSE(grid->ValidateCell("typed"));
  EXPECT_EQ(grid->GetCellText(1, 1), "corrected");
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_TRUE(grid->EditorOpen());
  EXPECT_TRUE(grid->EditorMode());
}

TEST_F(ValidationTest, AValidatedEditMarksTheRowModified) {
  TTestStringGrid* grid = NewGrid(true);
  grid->ShowModified()->SetEnabled(true);
  StartEdit(grid, 2, 4);
  grid->ValidateCell("x");
  EXPECT_TRUE(grid->GetRowModified(4));
  EXPECT_FALSE(grid->GetRowModified(3));
}

TEST_F(ValidationTest, WideValidationStoresTheWideForm) {
  TTestStringGrid* grid = NewGrid(true);
  std::u16string seen;
  grid->OnCellValidateWide = [&](TObject*, Integer, Integer, std::u16string& value, bool&) { seen = value; };
  StartEdit(grid, 1, 2);
  const std::u16string text = u"\u0E01\u4E00";
  EXPECT_TRUE(grid->ValidateCellWide(text));
  EXPECT_EQ(seen, text);
  EXPECT_EQ(grid->GetCellText(1, 2), EncodeWideCellText(text));
}

TEST_F(ValidationTest, SaveAndDisplayTexts) {
  TTestStringGrid* grid = NewGrid();
  grid->SetCellText(1, 1, "12.5");
  grid->SetCellText(2, 1, "<b>bold</b>");
  grid->CreateCellGraphic(3, 1)->SetCellType(ctCheckBox);
  grid->GetCellGraphic(3, 1)->SetCellBoolean(true);
  grid->CreateCellGraphic(3, 2)->SetCellType(ctCheckBox);
  std::string text;
  grid->GetFloatFormat(1, 1, text);
  EXPECT_EQ(text, "12.5");   // FloatFormat alone changes nothing
  grid->OnGetFloatFormat = [](TObject*, Integer, Integer, bool&, std::string& format) { format = "%.3f"; };
  grid->GetFloatFormat(1, 1, text);
  EXPECT_EQ(text, "12.500");
  grid->OnGetFloatFormat = [](TObject*, Integer, Integer, bool&, std::string& format) { format = "%d"; };
  grid->GetFloatFormat(1, 1, text);
  EXPECT_EQ(text, "12.5");   // not an integer: the text stays
  grid->GetSaveCellText(3, 1, text);
  EXPECT_EQ(text, "Y");
  grid->OnGetCheckFalse = [](TObject*, Integer, Integer, std::string& value) { value = "no"; };
  grid->GetSaveCellText(3, 2, text);
  EXPECT_EQ(text, "no");
  grid->GetSaveCellText(2, 1, text);
  EXPECT_EQ(text, "<b>bold</b>");
  grid->SetSaveWithTags(false);
  grid->OnSaveCell = [](TObject*, Integer col, Integer, std::string& value) { value += std::to_string(col); };
  grid->GetSaveCellText(2, 1, text);
  EXPECT_EQ(text, "bold2");
}

TEST_F(ValidationTest, LoadedTextsPassOnLoadCellAndAreStoredRaw) {
  TTestStringGrid* grid = NewGrid();
  grid->MergeCells(1, 1, 2, 1);
  grid->OnLoadCell = [](TObject*, Integer col, Integer row, std::string& value) {
    value += "@" + std::to_string(col) + std::to_string(row);
  };
  grid->SetLoadedCellText(2, 1, "covered");
  EXPECT_EQ(grid->GetRawCellText(2, 1), "covered@21");
  EXPECT_EQ(grid->GetRawCellText(1, 1), "");
}

}   // namespace
}   // namespace gridtest
