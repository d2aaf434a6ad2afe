// The string grid as a drop target: registration by DragDropSettings.OleDropTarget and its revoking
// (the setting, the window's end), text dropped from another program pasted and selected, refusals
// by OnOleDrop (OnOleDropped then reports the selection unchanged), where a drag may go over the
// grid, and one dropped file loading by its name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/drag_drop_settings.h"
#include "platform/shims/drag_drop_registry.h"
#include "platform/shims/external_data_object.h"
#include "platform/shims/ole_init.h"
#include "platform/user/drop_files.h"
#include "platform/user/message_ids.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class GridDropTest : public StringGridTest {
 protected:
  GridDropTest() { OleInitialize(nullptr); }
  ~GridDropTest() override { OleUninitialize(); }

  // A shown 6 x 6 editable grid taking drops, with one fixed row and column.
  TTestStringGrid* DropGrid() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(6);
    grid->SetRowCount(6);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->DragDropSettings()->SetOleDropTarget(true);
    grid->OnOleDropped = [this](TObject*, TGridRect R) {
      dropped_.push_back(std::to_string(R.Left) + "," + std::to_string(R.Top) + ".." + std::to_string(R.Right) + "," +
                         std::to_string(R.Bottom));
    };
    return grid;
  }
  static TPoint ScreenPointOf(TTestStringGrid* Grid, Integer ACol, Integer ARow) {
    const TRect cell = Grid->CellRect(ACol, ARow);
    return Grid->ClientToScreen(TPoint{cell.Left + 3, cell.Top + 3});
  }

  std::vector<std::string> dropped_;
};

TEST_F(GridDropTest, TheSettingRegistersTheTargetAndTurningItOffOrTheWindowsEndRevokesIt) {
  TTestStringGrid* grid = DropGrid();
  const HWND window = grid->Handle();
  EXPECT_TRUE(grid->OleDropTargetRegistered());
  EXPECT_TRUE(ole::HasRegisteredTarget(window));
  grid->DragDropSettings()->SetOleDropTarget(false);
  EXPECT_FALSE(ole::HasRegisteredTarget(window));
  grid->DragDropSettings()->SetOleDropTarget(true);
  EXPECT_TRUE(ole::HasRegisteredTarget(window));
  grid->SetParent(nullptr);   // the window goes: WM_DESTROY revokes
  EXPECT_FALSE(grid->OleDropTargetRegistered());
  EXPECT_FALSE(ole::HasRegisteredTarget(window));
}

TEST_F(GridDropTest, DroppedTextIsPastedAndSelectedUnlessOnOleDropRefuses) {
  for (bool allow : {true, false}) {
    SCOPED_TRACE(allow ? "allowed" : "refused");
    dropped_.clear();
    TTestStringGrid* grid = DropGrid();
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    std::vector<std::string> asked;
    grid->OnOleDrop = [&](TObject*, Integer ARow, Integer ACol, const std::string& Data, bool& Allow) {
      asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Data);
      Allow = allow;
    };
    EXPECT_TRUE(user::DropText(ScreenPointOf(grid, 2, 3), u"a\tb\r\nc\td\r\n"));
    EXPECT_EQ(asked, (std::vector<std::string>{"2,3 a\tb\r\nc\td\r\n"}));
    const std::vector<std::string> block{allow ? "a" : "", allow ? "b" : "", allow ? "c" : "", allow ? "d" : ""};
    EXPECT_EQ((std::vector<std::string>{grid->GetCellText(2, 3), grid->GetCellText(3, 3), grid->GetCellText(2, 4),
                                        grid->GetCellText(3, 4)}),
              block);
    EXPECT_EQ(dropped_, (std::vector<std::string>{allow ? "2,3..3,4" : "1,1..1,1"}));
    grid->OnOleDrop = {};
  }
}

TEST_F(GridDropTest, ADragMayGoOverCellsOnlyWhereItsKindMayDrop) {
  struct Case {
    const char* name;
    Integer col, row;
    bool oneRowHeader;   // one row with FixedRowAlways
    bool refuse;         // OnOleDragOver refuses
    DWORD effect;
  };
  const Case cases[] = {
      {"a normal cell", 2, 2, false, false, DROPEFFECT_COPY},
      {"the header row", 2, 0, false, false, DROPEFFECT_NONE},
      {"the header of a one-row grid", 2, 0, true, false, DROPEFFECT_COPY},
      {"refused by the event", 2, 2, false, true, DROPEFFECT_NONE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = DropGrid();
    if (c.oneRowHeader) {
      grid->SetFixedRowAlways(true);
      grid->SetRowCount(1);
    }
    std::vector<std::string> asked;
    grid->OnOleDragOver = [&](TObject*, Integer ARow, Integer ACol, bool& Allow) {
      asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
      if (c.refuse) Allow = false;
    };
    TInterfacePtr<IDropTarget> target = ole::RegisteredTarget(grid->Handle());
    ASSERT_TRUE(target);
    TInterfacePtr<IDataObject> data = TExternalDataObject::ForText(u"x");
    const TPoint point = ScreenPointOf(grid, c.col, c.row);
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data.get(), MK_LBUTTON, POINTL{point.X, point.Y}, &effect);
    effect = DROPEFFECT_COPY;
    target->DragOver(MK_LBUTTON, POINTL{point.X, point.Y}, &effect);
    EXPECT_EQ(effect, c.effect);
    EXPECT_EQ(asked, (std::vector<std::string>{std::to_string(c.col) + "," + std::to_string(c.row)}));
    target->DragLeave();
    grid->OnOleDragOver = {};
  }
}

TEST_F(GridDropTest, OneDroppedFileLoadsByItsNameAndTwoDoNothing) {
  struct Case {
    std::vector<std::u16string> files;
    std::vector<std::string> asked;   // OnOleDrop's data, each refused (no file loads)
  };
  const Case cases[] = {
      {{u"DATA.CSV"}, {"DATA.CSV"}},
      {{u"data.xls"}, {"data.xls"}},
      {{u"x.csv.xls"}, {"x.csv.xls", "x.csv.xls"}},
      {{u"a.csv", u"b.csv"}, {}},
      {{u"notes.txt"}, {}},
  };
  for (const Case& c : cases) {
    TTestStringGrid* grid = DropGrid();
    std::vector<std::string> asked;
    std::vector<std::string> fileAsked;
    grid->OnOleDropFile = [&](TObject*, Integer, Integer, const std::string& Name, bool&) { fileAsked.push_back(Name); };
    grid->OnOleDrop = [&](TObject*, Integer ARow, Integer ACol, const std::string& Data, bool& Allow) {
      EXPECT_EQ(ARow, -1);
      EXPECT_EQ(ACol, -1);
      asked.push_back(Data);
      Allow = false;
    };
    user::DropFiles(ScreenPointOf(grid, 2, 2), c.files);
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(fileAsked.size(), c.files.size() == 1 ? 1u : 0u);
    grid->OnOleDrop = {};
    grid->OnOleDropFile = {};
  }
}

}  // namespace
}  // namespace gridtest
