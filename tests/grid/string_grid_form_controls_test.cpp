// Form controls inside markup cells: a press opens the control edit over an EDIT or PASSWORD field
// with its value, Return writes the new value into the cell's markup, Tab moves on to the next
// field and past the last one gives the grid the focus, F2 opens the first field, a CHECK field
// toggles, and a refusing OnCanEditCell keeps every field closed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/grid_control_edit.h"
#include "grid/markup_controls.h"
#include "platform/user/virtual_keys.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class FormControlsTest : public StringGridTest {
 protected:
  // A shown grid whose cell (1, 1) holds Markup in a "<P>" paragraph (a closing tag makes a text
  // markup), events logged.
  TTestStringGrid* ControlGrid(const std::string& Markup) {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetDefaultColWidth(200);
    grid->SetDefaultRowHeight(30);
    grid->SetCellText(1, 1, "<P>" + Markup + "</P>");
    grid->OnControlClick = [this](TObject*, Integer ARow, Integer ACol, const std::string& ID, const std::string& Type,
                                  const std::string& Value) {
      events.push_back("click " + Cell(ACol, ARow) + " " + ID + " " + Type + " " + Value);
    };
    grid->OnControlEditDone = [this](TObject*, Integer ARow, Integer ACol, const std::string& ID,
                                     const std::string& Type, const std::string& Value) {
      events.push_back("done " + Cell(ACol, ARow) + " " + ID + " " + Type + " " + Value);
    };
    grid->OnAnchorClick = [this](TObject*, Integer, Integer, const std::string& Anchor, bool&) {
      events.push_back("anchor " + Anchor);
    };
    grid->SetFocus();
    driver_->Settle();
    return grid;
  }
  static std::string Cell(Integer ACol, Integer ARow) { return std::to_string(ACol) + "," + std::to_string(ARow); }
  // A press 8 pixels inside cell (1, 1): on its first field.
  void PressFirstField(TTestStringGrid* Grid) {
    const TRect r = Grid->CellRect(1, 1);
    driver_->ClickAt(Grid, TPoint{r.Left + 8, r.Top + 8});
  }
  static bool EditOpen(TTestStringGrid* Grid) { return Grid->ControlEditor()->Visible(); }
  static std::string ValueOf(TTestStringGrid* Grid, const std::string& ID) {
    const std::string text = Grid->GetCellText(1, 1);
    const size_t at = text.find("ID=\"" + ID + "\"");
    if (at == std::string::npos) return "<no field>";
    return ParseControlTag(text.substr(text.rfind('<', at), text.find('>', at) - text.rfind('<', at) + 1)).Value;
  }

  std::vector<std::string> events;
};

const char* const kTwoEdits =
    "<CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"one\" WIDTH=\"60\"> <CONTROL TYPE=\"PASSWORD\" ID=\"b\" VALUE=\"two\" "
    "WIDTH=\"60\">";

TEST_F(FormControlsTest, APressOpensTheEditOverTheFieldWithItsValue) {
  struct Case {
    const char* type;
    char passwordChar;
  } const cases[] = {{"EDIT", '\0'}, {"PASSWORD", '*'}, {"MASK", '\0'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    events.clear();
    TTestStringGrid* grid =
        ControlGrid(std::string("<CONTROL TYPE=\"") + c.type + "\" ID=\"f\" VALUE=\"abc\" WIDTH=\"80\">");
    PressFirstField(grid);
    ASSERT_TRUE(EditOpen(grid));
    TControlEdit* edit = grid->ControlEditor();
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(edit->PasswordChar(), c.passwordChar);
    EXPECT_TRUE(edit->Focused());
    // Over the field: inside the cell, 4 pixels narrower than the field.
    const TRect cell = grid->CellRect(1, 1);
    EXPECT_GT(edit->Left(), cell.Left);
    EXPECT_LT(edit->Left(), cell.Left + 10);
    EXPECT_EQ(edit->Width(), 76);
    EXPECT_EQ(events, (std::vector<std::string>{std::string("click 1,1 f ") + c.type + " abc"}));
  }
}

TEST_F(FormControlsTest, ReturnWritesTheValueIntoTheMarkupAndGivesTheGridTheFocus) {
  TTestStringGrid* grid = ControlGrid(kTwoEdits);
  PressFirstField(grid);
  ASSERT_TRUE(EditOpen(grid));
  events.clear();
  grid->ControlEditor()->SetText("new \"one\"");
  driver_->PressKey(VK_RETURN);
  EXPECT_FALSE(EditOpen(grid));
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(ValueOf(grid, "a"), "new \"one\"");
  EXPECT_EQ(ValueOf(grid, "b"), "two");
  EXPECT_EQ(events, (std::vector<std::string>{"done 1,1 a EDIT new \"one\""}));
}

TEST_F(FormControlsTest, TabMovesToTheNextFieldAndPastTheLastGivesTheGridTheFocus) {
  TTestStringGrid* grid = ControlGrid(kTwoEdits);
  PressFirstField(grid);
  ASSERT_TRUE(EditOpen(grid));
  const Integer firstLeft = grid->ControlEditor()->Left();
  events.clear();
  grid->ControlEditor()->SetText("1");
  driver_->PressKey(VK_TAB);
  ASSERT_TRUE(EditOpen(grid));
  EXPECT_GT(grid->ControlEditor()->Left(), firstLeft + 60);
  EXPECT_EQ(grid->ControlEditor()->Text(), "two");
  EXPECT_EQ(grid->ControlEditor()->PasswordChar(), '*');
  grid->ControlEditor()->SetText("2");
  driver_->PressKey(VK_TAB);
  EXPECT_FALSE(EditOpen(grid));
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(ValueOf(grid, "a"), "1");
  EXPECT_EQ(ValueOf(grid, "b"), "2");
  EXPECT_EQ(events, (std::vector<std::string>{"done 1,1 a EDIT 1", "done 1,1 b PASSWORD 2"}));
}

TEST_F(FormControlsTest, F2OpensTheFirstEditableField) {
  TTestStringGrid* grid = ControlGrid(std::string("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\">") +
                                      kTwoEdits);
  grid->SetCol(1);
  grid->SetRow(1);
  driver_->PressKey(VK_F2);
  ASSERT_TRUE(EditOpen(grid));
  EXPECT_EQ(grid->ControlEditor()->Text(), "one");
  EXPECT_FALSE(grid->EditorMode());
}

TEST_F(FormControlsTest, ACheckFieldTogglesBetweenTrueAndFalse) {
  TTestStringGrid* grid = ControlGrid("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"16\">");
  PressFirstField(grid);
  EXPECT_EQ(ValueOf(grid, "c"), "TRUE");
  PressFirstField(grid);
  EXPECT_EQ(ValueOf(grid, "c"), "FALSE");
  EXPECT_FALSE(EditOpen(grid));
  EXPECT_EQ(events, (std::vector<std::string>{"click 1,1 c CHECK TRUE", "click 1,1 c CHECK FALSE"}));
}

TEST_F(FormControlsTest, ARefusingOnCanEditCellKeepsTheFieldsClosed) {
  TTestStringGrid* grid = ControlGrid(std::string("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"16\">"));
  grid->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
  PressFirstField(grid);
  EXPECT_EQ(ValueOf(grid, "c"), "FALSE");
  EXPECT_EQ(events, (std::vector<std::string>{"anchor ctrl"}));
}

}   // namespace
}   // namespace gridtest
