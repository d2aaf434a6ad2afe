// The string grid's object and its settings: the values a new grid and new settings objects have
// (the published defaults agree with them), what each settings class's Assign copies and refuses,
// the setters with effects, the published events, loading and assigning a grid.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "grid/background.h"
#include "grid/balloon_settings.h"
#include "grid/bands.h"
#include "grid/cell_checker.h"
#include "grid/cell_graphic.h"
#include "grid/cell_node.h"
#include "grid/column_size.h"
#include "grid/control_look.h"
#include "grid/drag_drop_settings.h"
#include "grid/drag_scroll_options.h"
#include "grid/file_version_ms.h"
#include "grid/floating_footer.h"
#include "grid/grid_progress_appearance.h"
#include "grid/grouping_settings.h"
#include "grid/html_settings.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/print_settings.h"
#include "grid/pro_grid_unit.h"
#include "grid/show_modified.h"
#include "grid/size_while_typing.h"
#include "grid/sort_settings.h"
#include "platform/classes/class_registry.h"
#include "platform/classes/property_table.h"
#include "platform/core/exceptions.h"
#include "platform/ui/font.h"
#include "platform/shims/ole_init.h"
#include "platform/user/atom_table.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// Every ordinal property of Object's published table that has a default holds that default.
void ExpectPublishedDefaults(TObject* Object) {
  SCOPED_TRACE(Object->ClassName());
  for (const TPropInfo& prop : GetPropInfos(Object->ClassType())) {
    if (prop.Default == NoDefault || prop.Thunks.GetOrd == nullptr) continue;
    // The tab order a control takes from its parent; the scroll width is the system's bar width
    // (17 as the stored default, 16 in the classic metrics here).
    if (prop.Name == "TabOrder" || prop.Name == "ScrollWidth") continue;
    EXPECT_EQ(GetOrdProp(Object, &prop), prop.Default) << prop.Name;
  }
}

// The names of the published properties of Object whose ordinal value differs from Source's.
std::set<std::string> Differing(TObject* Object, TObject* Source) {
  std::set<std::string> names;
  for (const TPropInfo& prop : GetPropInfos(Object->ClassType()))
    if (prop.Thunks.GetOrd != nullptr && GetOrdProp(Object, &prop) != GetOrdProp(Source, &prop))
      names.insert(prop.Name);
  return names;
}

// Sets every Boolean published property of Object to its opposite and every other ordinal one to
// a value other than its current one.
void ChangeEveryOrdinal(TObject* Object) {
  for (const TPropInfo& prop : GetPropInfos(Object->ClassType())) {
    if (prop.Thunks.GetOrd == nullptr || !prop.Writable) continue;
    const Int64 value = GetOrdProp(Object, &prop);
    SetOrdProp(Object, &prop, prop.PropType->Kind == tkEnumeration ? (value == 0 ? 1 : 0) : value + 1);
  }
}

using SettingsTest = StringGridTest;

TEST_F(SettingsTest, ANewGridHasThePublishedValues) {
  TTestStringGrid* grid = NewGrid();
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->DefaultRowHeight(), 21);
  EXPECT_EQ(grid->FixedRowHeight(), 21);
  EXPECT_EQ(grid->FixedColWidth(), 64);
  EXPECT_EQ(grid->Width(), 400);
  EXPECT_EQ(grid->Height(), 250);
  EXPECT_EQ(grid->Look(), glXP);
  EXPECT_EQ(grid->SelectionColor(), 0xEACAB6);
  EXPECT_EQ(grid->HintColor(), clInfoBk);
  EXPECT_EQ(grid->FloatFormat(), "%.2f");
  EXPECT_EQ(grid->Version(), "3.5.3.1");
  EXPECT_EQ(grid->GetVersionNumber(), 0x03050301);
  EXPECT_EQ(grid->CheckTrueText(), "Y");
  EXPECT_EQ(grid->CheckFalseText(), "N");
  EXPECT_EQ(grid->Delimiter(), '\0');
  EXPECT_TRUE(grid->IncludeFixedCells());
  EXPECT_TRUE(grid->LoadFirstLine());
  EXPECT_FALSE(grid->TildeLineBreaks());
  EXPECT_TRUE(grid->SaveWithFormat());
  EXPECT_TRUE(grid->SaveWithTags());
  EXPECT_EQ(grid->FixedFont()->Name(), "Tahoma");
  EXPECT_TRUE(grid->FixedFont()->Style().Contains(fsBold));
  EXPECT_TRUE(grid->ActiveCellFont()->Style().Contains(fsBold));
  EXPECT_EQ(grid->FixedGradientFrom(), 0xFFFFFF);
  EXPECT_EQ(grid->FixedGradientTo(), static_cast<TColor>(ColorToRGB(clBtnFace)));
  EXPECT_TRUE(grid->ControlStyle().Contains(csAcceptsControls));
  // No file carries version information here, which counts as the newer common controls.
  EXPECT_TRUE(grid->IsComCtl6());
  EXPECT_EQ(grid->WheelMessage(), 0x20Au);
  EXPECT_EQ(grid->WheelScrollLines(), 3);
  ExpectPublishedDefaults(grid);
}

// The common-controls check reads a version that no file has here: -1, whatever the file.
TEST_F(SettingsTest, NoFileHasAVersionToRead) {
  EXPECT_EQ(GetFileVersionMS("COMCTL32.DLL"), -1);
  EXPECT_EQ(GetFileVersionMS("/proc/self/exe"), -1);
  EXPECT_EQ(GetFileVersionMS(""), -1);
}

TEST_F(SettingsTest, NewSettingsObjectsHoldTheirPublishedDefaults) {
  TTestStringGrid* grid = NewGrid();
  for (TObject* settings : std::initializer_list<TObject*>{grid->CellNode(),
                                                           grid->SizeWhileTyping(),
                                                           grid->MouseActions(),
                                                           grid->ColumnSize(),
                                                           grid->Navigation(),
                                                           grid->HTMLSettings(),
                                                           grid->PrintSettings(),
                                                           grid->SortSettings(),
                                                           grid->ControlLook(),
                                                           grid->Grouping(),
                                                           grid->DragDropSettings(),
                                                           grid->Balloon(),
                                                           grid->ShowModified(),
                                                           grid->DragScrollOptions(),
                                                           grid->DragScrollOptions()->Delays(),
                                                           grid->DragScrollOptions()->Margins(),
                                                           grid->BackGround(),
                                                           grid->Bands(),
                                                           grid->ProgressAppearance(),
                                                           grid->FloatingFooter()})
    ExpectPublishedDefaults(settings);
  EXPECT_EQ(grid->CellNode()->NodeType(), cnXP);
  EXPECT_EQ(grid->CellNode()->NodeIndent(), 12);
  EXPECT_EQ(grid->CellNode()->TreeColor(), 0x808080);
  EXPECT_TRUE(grid->CellNode()->ShowTree() && grid->CellNode()->ShowTreeFull());
  EXPECT_EQ(grid->PrintSettings()->DateFormat(), "dd/mm/yyyy");
  EXPECT_EQ(grid->PrintSettings()->PageNumSep(), "/");
  EXPECT_EQ(grid->PrintSettings()->Borders(), pbSingle);
  EXPECT_TRUE(grid->PrintSettings()->Centered() && grid->PrintSettings()->UseDisplayFont());
  EXPECT_EQ(grid->ColumnSize()->StretchColumn(), -1);
  EXPECT_EQ(grid->ControlLook()->ControlStyle(), ProGrid::csWinXP);
  EXPECT_EQ(grid->ControlLook()->CheckSize(), 15);
  EXPECT_EQ(grid->DragScrollOptions()->Delays()->InitialDelay(), 1000);
  EXPECT_EQ(grid->DragScrollOptions()->Margins()->LeftMargin(), 50);
  EXPECT_EQ(grid->ProgressAppearance()->Level2Color(), 0x53A9FF);
  EXPECT_EQ(grid->ProgressAppearance()->Steps(), 11);
  EXPECT_EQ(grid->Bands()->PrimaryColor(), clInfoBk);
  EXPECT_EQ(grid->Bands()->TotalLength(), 2);
  EXPECT_EQ(grid->BackGround()->ColorTo(), clBtnFace);
  EXPECT_TRUE(grid->FloatingFooter()->AutoCalculate());
  EXPECT_EQ(grid->FloatingFooter()->FooterStyle(), fsFixedLastRow);
}

TEST_F(SettingsTest, ANewNavigationHasExactlyItsSixSwitchesOn) {
  TNavigation navigation;
  std::set<std::string> on;
  for (const TPropInfo& prop : GetPropInfos(navigation.ClassType()))
    if (prop.PropType->Kind == tkEnumeration && prop.PropType == TypeInfo<bool>() && GetOrdProp(&navigation, &prop))
      on.insert(prop.Name);
  EXPECT_EQ(on, (std::set<std::string>{"AllowClipboardColGrow", "AllowClipboardRowGrow", "AllowCtrlEnter",
                                       "CopyHTMLTagsToClipboard", "EditSelectAll", "SkipFixedCells"}));
}

TEST_F(SettingsTest, AssignCopiesTheListedPropertiesAndIgnoresOtherSources) {
  TTestStringGrid* source = NewGrid();
  TTestStringGrid* target = NewGrid();
  const struct {
    const char* what;
    std::function<TPersistent*(TProStringGrid*)> settings;
    std::set<std::string> kept;   // published ordinal properties Assign leaves alone
  } cases[] = {
      {"Navigation", [](TProStringGrid* g) { return g->Navigation(); }, {}},
      {"CellNode", [](TProStringGrid* g) { return g->CellNode(); }, {}},
      {"HTMLSettings", [](TProStringGrid* g) { return g->HTMLSettings(); }, {}},
      {"PrintSettings", [](TProStringGrid* g) { return g->PrintSettings(); }, {}},
      {"SortSettings", [](TProStringGrid* g) { return g->SortSettings(); }, {}},
      {"MouseActions", [](TProStringGrid* g) { return g->MouseActions(); }, {"HotmailRowSelect", "SizeFixedRow"}},
      {"ControlLook",
       [](TProStringGrid* g) { return g->ControlLook(); },
       {"DropDownAlwaysVisible", "FlatButton", "NoDisabledCheckRadioLook", "NoDisabledButtonLook", "ProgressXP",
        "FixedGradientFrom", "FixedGradientTo"}},
      {"Grouping",
       [](TProStringGrid* g) { return g->Grouping(); },
       {"HeaderLineColor", "HeaderLineWidth", "Summary", "SummaryLineColor", "SummaryLineWidth"}},
      {"Balloon", [](TProStringGrid* g) { return g->Balloon(); }, {"Transparency"}},
      {"ShowModified", [](TProStringGrid* g) { return g->ShowModified(); }, {}},
      {"Bands", [](TProStringGrid* g) { return g->Bands(); }, {}},
      {"ProgressAppearance", [](TProStringGrid* g) { return g->ProgressAppearance(); }, {}},
      {"DragScrollOptions", [](TProStringGrid* g) { return g->DragScrollOptions(); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPersistent* from = c.settings(source);
    TPersistent* to = c.settings(target);
    // SortSettings.Row must stay below FixedRows; 1 fixed row allows only 0.
    source->SetFixedRows(2);
    ChangeEveryOrdinal(from);
    source->SetFixedRows(1);
    to->Assign(from);
    EXPECT_EQ(Differing(to, from), c.kept);
    if (to == target->PrintSettings()) continue;   // refuses another class (below)
    TFont font;
    const std::set<std::string> before = Differing(to, from);
    to->Assign(&font);   // another class: ignored
    EXPECT_EQ(Differing(to, from), before);
  }
  auto* delays = target->DragScrollOptions()->Delays();
  EXPECT_EQ(delays->RepeatDelay(), source->DragScrollOptions()->Delays()->RepeatDelay());
}

TEST_F(SettingsTest, PrintSettingsRefuseAnotherClassAndTheTwoPlainOnesHaveNoAssign) {
  TTestStringGrid* grid = NewGrid();
  TFont font;
  EXPECT_THROW(grid->PrintSettings()->Assign(&font), EInvalidCast);
  TSizeWhileTyping typing;
  EXPECT_THROW(grid->SizeWhileTyping()->Assign(&typing), EConvertError);
  EXPECT_THROW(grid->ColumnSize()->Assign(grid->ColumnSize()), EConvertError);
}

TEST_F(SettingsTest, MouseActionsAssignKeepsHotmailRowSelectAndRunsNoSetter) {
  TTestStringGrid* source = NewGrid();
  TTestStringGrid* target = NewGrid();
  source->MouseActions()->SetHotmailRowSelect(true);
  source->MouseActions()->SetDisjunctRowSelect(true);
  target->MouseActions()->Assign(source->MouseActions());
  EXPECT_FALSE(target->MouseActions()->HotmailRowSelect());
  EXPECT_TRUE(target->MouseActions()->DisjunctRowSelect());
}

TEST_F(SettingsTest, TheDisjunctSelectionsExcludeEachOtherOnlyInTheDesigner) {
  TTestStringGrid* grid = NewGrid();
  TMouseActions* actions = grid->MouseActions();
  actions->SetDisjunctColSelect(true);
  actions->SetDisjunctCellSelect(true);
  actions->SetDisjunctRowSelect(true);
  EXPECT_TRUE(actions->DisjunctColSelect() && actions->DisjunctCellSelect());
  grid->SetDesigning(true);
  actions->SetDisjunctRowSelect(true);
  EXPECT_FALSE(actions->DisjunctColSelect() || actions->DisjunctCellSelect());
  actions->SetDisjunctCellSelect(true);
  EXPECT_FALSE(actions->DisjunctRowSelect());
  actions->SetDisjunctColSelect(false);   // switching one off leaves the others
  EXPECT_TRUE(actions->DisjunctCellSelect());
  grid->SetDesigning(false);
}

TEST_F(SettingsTest, SetterEffects) {
  TTestStringGrid* grid = NewGrid();
  // SortSettings.Row stays below FixedRows.
  grid->SortSettings()->SetRow(0);
  try {
    grid->SortSettings()->SetRow(1);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
  }
  EXPECT_EQ(grid->SortSettings()->Row(), 0);
  // FixedGradientTo: clNone is stored but not handed to the grid; a system colour arrives as RGB.
  grid->ControlLook()->SetFixedGradientTo(clNone);
  EXPECT_EQ(grid->ControlLook()->FixedGradientTo(), clNone);
  EXPECT_EQ(grid->FixedGradientTo(), static_cast<TColor>(ColorToRGB(clBtnFace)));
  grid->ControlLook()->SetFixedGradientFrom(clWindowText);
  EXPECT_EQ(grid->FixedGradientFrom(), static_cast<TColor>(ColorToRGB(clWindowText)));
  // Bands: the total follows the lengths.
  grid->Bands()->SetPrimaryLength(3);
  EXPECT_EQ(grid->Bands()->TotalLength(), 4);
  // ProgressAppearance: OnChange for a new value only; Assign fires once.
  int changes = 0;
  TGridProgressAppearance appearance;
  appearance.OnChange = [&](TObject*) { ++changes; };
  appearance.SetSteps(11);
  EXPECT_EQ(changes, 0);
  appearance.SetSteps(12);
  EXPECT_EQ(changes, 1);
  appearance.Assign(grid->ProgressAppearance());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(appearance.Steps(), 11);
  // Balloon.Enable and ShowModified.Color fire their events; Assign does not.
  int enables = 0;
  TBalloonSettings balloon;
  balloon.OnEnableChange = [&](TObject* sender) { enables += sender == &balloon; };
  balloon.SetEnable(true);
  balloon.Assign(grid->Balloon());
  EXPECT_EQ(enables, 1);
  EXPECT_FALSE(balloon.Enable());
  int colours = 0;
  grid->ShowModified()->OnChange = [&](TObject*) { ++colours; };
  grid->ShowModified()->SetEnabled(true);
  grid->ShowModified()->SetColor(clRed);
  EXPECT_EQ(colours, 1);
}

TEST_F(SettingsTest, RepaintingSettersInvalidateTheGridAndTheQuietOnesDoNot) {
  TTestStringGrid* grid = NewGrid(true);
  const struct {
    const char* what;
    std::function<void()> change;
    bool repaints;
  } cases[] = {
      {"Bands.Active", [&] { grid->Bands()->SetActive(true); }, true},
      {"Bands.PrimaryLength while active", [&] { grid->Bands()->SetPrimaryLength(2); }, true},
      {"SortSettings.Show", [&] { grid->SortSettings()->SetShow(true); }, true},
      {"SortSettings.Show unchanged", [&] { grid->SortSettings()->SetShow(true); }, false},
      {"CellNode.NodeIndent unchanged", [&] { grid->CellNode()->SetNodeIndent(12); }, false},
      {"CellNode.NodeIndent", [&] { grid->CellNode()->SetNodeIndent(14); }, true},
      {"CellNode.Color unchanged", [&] { grid->CellNode()->SetColor(clSilver); }, true},
      {"ControlLook.CheckSize", [&] { grid->ControlLook()->SetCheckSize(13); }, true},
      {"ControlLook.ProgressBorderColor", [&] { grid->ControlLook()->SetProgressBorderColor(clRed); }, false},
      {"MouseActions.HotmailRowSelect", [&] { grid->MouseActions()->SetHotmailRowSelect(true); }, true},
      {"BackGround.Display", [&] { grid->BackGround()->SetDisplay(bdFixed); }, true},
      {"Grouping.HeaderColor", [&] { grid->Grouping()->SetHeaderColor(clRed); }, false},
      {"ProgressAppearance.Steps", [&] { grid->ProgressAppearance()->SetSteps(3); }, true},
      {"FixedFont", [&] { grid->FixedFont()->SetSize(12); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    driver_->Settle();
    ValidateRect(grid->WindowHandle(), nullptr);
    c.change();
    TRect update{};
    EXPECT_EQ(GetUpdateRect(grid->WindowHandle(), &update, FALSE) != FALSE, c.repaints);
  }
  grid->Bands()->SetActive(false);
  driver_->Settle();
  ValidateRect(grid->WindowHandle(), nullptr);
  grid->Bands()->SetPrimaryLength(3);   // inactive bands: no repaint
  TRect update{};
  EXPECT_FALSE(GetUpdateRect(grid->WindowHandle(), &update, FALSE));
}

TEST_F(SettingsTest, TheGridPublishesItsHundredAndNineteenEvents) {
  TTestStringGrid* grid = NewGrid();
  std::set<std::string> own;
  std::set<std::string> inherited;
  for (const TPropInfo& prop : GetPropInfos(TStringGrid::StaticClass()))
    if (prop.PropType->Kind == tkMethod) inherited.insert(prop.Name);
  for (const TPropInfo& prop : GetPropInfos(grid->ClassType()))
    if (prop.PropType->Kind == tkMethod && !inherited.contains(prop.Name)) own.insert(prop.Name);
  EXPECT_EQ(own.size(), 119u);
  for (const char* name : {"OnAutoAdvance", "OnLoadCell", "OnCellsChanged", "OnResize", "OnOleDropFile"})
    EXPECT_TRUE(own.contains(name)) << name;
}

TEST_F(SettingsTest, IntegralHeightKeepsWholeDefaultRows) {
  TTestStringGrid* grid = NewGrid();
  grid->SetBorderStyle(bsSingle);
  grid->SetColCount(2);   // every column shows: no horizontal bar counts
  grid->SetIntegralHeight(true);
  const struct { Integer asked, expected; } cases[] = {{100, 88}, {106, 88}, {107, 109}, {129, 130}};
  for (const auto& c : cases) {
    grid->SetBounds(0, 0, 300, c.asked);
    EXPECT_EQ(grid->Height(), c.expected) << c.asked;
  }
  grid->SetBorderStyle(bsNone);
  grid->SetBounds(0, 0, 300, 100);
  EXPECT_EQ(grid->Height(), 84);   // 100 - (100 mod 21)
  grid->SetIntegralHeight(false);
  grid->SetBounds(0, 0, 300, 100);
  EXPECT_EQ(grid->Height(), 100);
}

TEST_F(SettingsTest, ScrollBarAlwaysKeepsAFittingBarShownButDisabled) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetRowCount(3);   // every row fits
  const HWND window = grid->WindowHandle();
  auto verticalShown = [&] { return (GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL) != 0; };
  grid->SetScrollBarAlways(saVert);
  grid->UpdateScrollBarsAlways(false);
  EXPECT_TRUE(verticalShown());
  EXPECT_FALSE(EnableScrollBar(window, SB_VERT, ESB_DISABLE_BOTH));   // disabled already
  grid->SetRowCount(60);   // no longer fits: enabled again
  EXPECT_TRUE(EnableScrollBar(window, SB_VERT, ESB_DISABLE_BOTH));
  grid->SetRowCount(3);
  grid->SetScrollBarAlways(saNone);
  grid->UpdateScrollBarsAlways(true);
  EXPECT_FALSE(verticalShown());
}

TEST_F(SettingsTest, LoadedTurnsTheAlwaysShownEditorIntoAlwaysEditAndRecordsTheCounts) {
  TTestStringGrid* grid = NewGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goEditing, goAlwaysShowEditor});
  grid->SetFixedRows(2);
  grid->Loaded();
  EXPECT_FALSE(grid->Options().Contains(goAlwaysShowEditor));
  EXPECT_TRUE(grid->Navigation()->AlwaysEdit());
  EXPECT_TRUE(grid->IsLoaded());
  EXPECT_EQ(grid->MinColWidth(), 10);
  EXPECT_EQ(grid->MinRowHeight(), 21);
  EXPECT_EQ(grid->SavedFixedRows(), 2);
}

// The unit's own start-up and shut-down, called directly: the tests' forms unit stays up.
TEST(GridUnitTest, TheStartUpSetsUpOleAndRegistersWhatTheGridNamesAndTheShutDownUndoesIt) {
  ASSERT_FALSE(ole::OleInitializedOnThisThread());
  ProGridUnit.initialize();
  EXPECT_TRUE(ole::OleInitializedOnThisThread());
  EXPECT_EQ(GetClass("TProStringGrid"), TProStringGrid::StaticClass());
  EXPECT_FALSE(DatePickerAvailable);
  // Registered by the start-up itself, before anything asks for the numbers.
  const ATOM cells = user::AtomTable::Instance().Find("TProStringGrid Cells");
  const ATOM editDone = user::AtomTable::Instance().Find("GridEditDone");
  EXPECT_NE(cells, 0);
  EXPECT_NE(editDone, 0);
  EXPECT_EQ(GridCellsClipboardFormat(), cells);
  EXPECT_EQ(GridEditDoneMessage(), editDone);

  ProGridUnit.finalize();
  EXPECT_FALSE(ole::OleInitializedOnThisThread());
  EXPECT_EQ(GetClass("TProStringGrid"), nullptr);
}

TEST(GridUnitTest, AnOleSetUpFailureStopsTheStartUp) {
  CheckOleStarted(S_OK);
  CheckOleStarted(S_FALSE);
  const struct {
    HRESULT result;
    const char* text;
  } failures[] = {{E_INVALIDARG, "OleInitialize failed ($80070057) ("}, {HRESULT(2), "OleInitialize failed ($2) ("}};
  for (const auto& failure : failures) {
    try {
      CheckOleStarted(failure.result);
      ADD_FAILURE() << "no assertion failure for " << failure.text;
    } catch (const EAssertionFailed& e) {
      EXPECT_EQ(e.Message().rfind(failure.text, 0), 0u) << e.Message();
    }
  }
}

TEST_F(SettingsTest, AGridWritesItsSettingsInItsFormImage) {
  TTestStringGrid* grid = NewGrid();
  grid->SetName("Grid1");
  grid->SetColCount(7);
  grid->Navigation()->SetAdvanceOnEnter(true);
  grid->FloatingFooter()->SetCalculateHiddenRows(true);
  grid->ControlLook()->SetControlStyle(ProGrid::csDAV);
  const std::string image = uitest::FormImageText(grid);
  EXPECT_NE(image.find("object Grid1: TProStringGrid"), std::string::npos) << image;
  EXPECT_NE(image.find("ColCount = 7"), std::string::npos);
  EXPECT_EQ(image.find("RowCount"), std::string::npos);   // at its default
  EXPECT_NE(image.find("Navigation.AdvanceOnEnter = True"), std::string::npos);
  EXPECT_NE(image.find("ControlLook.ControlStyle = csDAV"), std::string::npos);
  EXPECT_NE(image.find("FloatingFooter.CalculateHiddenRows = True"), std::string::npos);
}

TEST_F(SettingsTest, TheCellCheckerIsWrittenByNameAndReadBackAsTheFormsChecker) {
  TTestStringGrid* grid = NewGrid();
  grid->SetName("Grid1");
  auto* checker = new TProStringGridCheck(grid->Owner());
  checker->SetName("Checker1");
  grid->SetCellChecker(checker);
  const std::string image = uitest::FormImageText(grid->Owner());
  EXPECT_NE(image.find("CellChecker = Checker1"), std::string::npos) << image;

  // Read as a form of another name: the first one still exists.
  std::string copy = image;
  copy.replace(copy.find(grid->Owner()->Name()), grid->Owner()->Name().size(), "ReadForm");
  RegisterClasses({TProStringGrid::StaticClass(), TProStringGridCheck::StaticClass()});
  TForm* read = ReadForm(copy);
  UnRegisterClasses({TProStringGrid::StaticClass(), TProStringGridCheck::StaticClass()});
  auto* readGrid = dynamic_cast<TProStringGrid*>(read->FindComponent("Grid1"));
  ASSERT_NE(readGrid, nullptr);
  EXPECT_EQ(readGrid->CellChecker(), read->FindComponent("Checker1"));
  EXPECT_NE(readGrid->CellChecker(), nullptr);
}

TEST_F(SettingsTest, AssigningAGridCopiesItsCellsAndSizesAndNothingElseIsTaken) {
  TTestStringGrid* source = NewGrid();
  TTestStringGrid* target = NewGrid();
  Fill(source, {{"a", "b"}, {"", "line 1\r\nline 2"}});
  source->SetColCount(3);
  source->SetRowCount(4);
  source->SetDefaultColWidth(30);
  source->SetColWidths(2, 77);
  source->SetMultilinecells(true);
  target->SetMultilinecells(true);
  source->Navigation()->SetAllowInsertRow(true);
  target->Assign(source);
  EXPECT_EQ(target->ColCount(), 3);
  EXPECT_EQ(target->RowCount(), 4);
  EXPECT_EQ(target->ColWidths(2), 77);
  EXPECT_EQ(target->ColWidths(1), 30);
  EXPECT_EQ(Column(target, 1, 0, 1), (std::vector<std::string>{"b", "line 1\r\nline 2"}));
  EXPECT_TRUE(target->Navigation()->AllowInsertRow());
  TFont font;
  target->Assign(&font);
  EXPECT_EQ(target->GetCellText(0, 0), "a");
}

TEST_F(SettingsTest, TheFooterSettersMoveTheFooterRowReservation) {
  TTestStringGrid* grid = NewGrid(true);
  TFloatingFooter* footer = grid->FloatingFooter();
  const struct {
    const char* what;
    std::function<void()> change;
    Integer fixedFooters;
    bool reserved;
    Integer panelHeight;
  } cases[] = {
      {"visible in the last-row style", [&] { footer->SetVisible(true); }, 1, true, 20},
      {"switched to a preview style", [&] { footer->SetFooterStyle(fsColumnPreview); }, 1, false, 20},
      {"hidden in it", [&] { footer->SetVisible(false); }, 0, false, 0},
      {"made visible again", [&] { footer->SetVisible(true); }, 0, false, 20},
      {"back to the last-row style", [&] { footer->SetFooterStyle(fsFixedLastRow); }, 0, true, 20},
      {"hidden", [&] { footer->SetVisible(false); }, 0, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.change();
    EXPECT_EQ(grid->FixedFooters(), c.fixedFooters);
    EXPECT_EQ(grid->LastRowIsFooter(), c.reserved);
    EXPECT_EQ(grid->FooterPanel()->Height(), c.panelHeight);
    EXPECT_EQ(grid->FooterPanel()->Visible(), footer->Visible());
  }
  grid->SetDefaultRowHeight(30);
  EXPECT_EQ(footer->Height(), 30);
}

}   // namespace
}   // namespace gridtest
