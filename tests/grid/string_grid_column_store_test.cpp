// The string grid's column widths kept in an ini file or the registry (ColumnSize).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/column_size.h"
#include "platform/classes/ini_file.h"
#include "platform/classes/registry_ini_file.h"
#include "platform/os/registry.h"
#include "tests/grid/string_grid_fixture.h"
#include "tests/support/os/temp_folder.h"

namespace gridtest {
namespace {

struct StoreCase {
  const char* name;
  TColumnSizeLocation location;
};

class ColumnStoreTest : public StringGridTest, public ::testing::WithParamInterface<StoreCase> {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    SetRegistryFolder(folder_.Path());
  }
  void TearDown() override {
    SetRegistryFolder("");
    StringGridTest::TearDown();
  }

  std::string Key() const { return GetParam().location == clIniFile ? folder_ / "widths.ini" : "Software\\Quendry\\Widths"; }
  std::unique_ptr<TCustomIniFile> Store() const {
    if (GetParam().location == clIniFile) return std::make_unique<TIniFile>(Key());
    return std::make_unique<TRegistryIniFile>(Key());
  }
  // A grid of Cols columns whose ColumnSize names the store (Save as given), not yet shown.
  TTestStringGrid* StoringGrid(Integer Cols, bool Save = true, const std::string& Section = "Grid") {
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(Cols);
    grid->ColumnSize()->SetKey(Key());
    grid->ColumnSize()->SetSection(Section);
    grid->ColumnSize()->SetLocation(GetParam().location);
    grid->ColumnSize()->SetSave(Save);
    return grid;
  }

  TempFolder folder_;
};

TEST_P(ColumnStoreTest, DestroyWritesEveryColumnAndLoadedReadsThemBack) {
  TTestStringGrid* writer = StoringGrid(5);
  for (Integer col = 0; col < 5; ++col) writer->SetColWidths(col, 30 + 7 * col);
  delete writer;
  std::unique_ptr<TCustomIniFile> store = Store();
  for (Integer col = 0; col < 5; ++col)
    EXPECT_EQ(store->ReadInteger("Grid", "Col" + std::to_string(col), -1), 30 + 7 * col) << col;
  EXPECT_FALSE(store->ValueExists("Grid", "Col5"));
  store->WriteInteger("Grid", "Col7", 99);   // a column the grid does not have
  store.reset();

  // Read back by a grid with more columns (Loaded) and by one with fewer (its window's creation).
  TTestStringGrid* wider = StoringGrid(6);
  const Integer defaultWidth = wider->ColWidths(5);
  wider->Loaded();
  for (Integer col = 0; col < 5; ++col) EXPECT_EQ(wider->ColWidths(col), 30 + 7 * col) << col;
  EXPECT_EQ(wider->ColWidths(5), defaultWidth);
  EXPECT_EQ(wider->ColCount(), 6);   // Col7 names no column of this grid: ignored
  wider->ColumnSize()->SetSave(false);

  TTestStringGrid* narrower = StoringGrid(3);
  narrower->HandleNeeded();
  EXPECT_EQ(narrower->ColWidths(2), 44);
  narrower->ColumnSize()->SetSave(false);
}

TEST_P(ColumnStoreTest, NothingIsWrittenOrReadWithoutASectionOrInTheDesigner) {
  {
    std::unique_ptr<TCustomIniFile> store = Store();
    store->WriteInteger("Grid", "Col1", 77);
  }
  TTestStringGrid* noSection = StoringGrid(3, true, "");
  const Integer width = noSection->ColWidths(1);
  noSection->LoadColumnSizes();
  EXPECT_EQ(noSection->ColWidths(1), width);
  noSection->SetColWidths(0, 12);
  delete noSection;

  TTestStringGrid* designed = StoringGrid(3);
  designed->SetDesigning(true);
  designed->LoadColumnSizes();
  EXPECT_EQ(designed->ColWidths(1), width);
  designed->SetColWidths(0, 13);
  delete designed;

  TTestStringGrid* notSaving = StoringGrid(3, false);
  notSaving->SetColWidths(0, 14);
  notSaving->Loaded();
  EXPECT_EQ(notSaving->ColWidths(1), width);
  delete notSaving;

  EXPECT_FALSE(Store()->ValueExists("Grid", "Col0"));
}

INSTANTIATE_TEST_SUITE_P(Stores, ColumnStoreTest,
                         ::testing::Values(StoreCase{"IniFile", clIniFile}, StoreCase{"Registry", clRegistry}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gridtest
