// TNavigation; see navigation.h.
#include "grid/navigation.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TNavigation) {
  p.Property("AdvanceAuto", &TNavigation::AdvanceAuto, &TNavigation::SetAdvanceAuto).Default(false);
  p.Property("AdvanceDirection", &TNavigation::AdvanceDirection, &TNavigation::SetAdvanceDirection)
      .Default(adLeftRight);
  p.Property("AdvanceInsert", &TNavigation::AdvanceInsert, &TNavigation::SetAdvanceInsert).Default(false);
  p.Property("AdvanceOnEnter", &TNavigation::AdvanceOnEnter, &TNavigation::SetAdvanceOnEnter).Default(false);
  p.Property("AllowClipboardAlways", &TNavigation::AllowClipboardAlways, &TNavigation::SetAllowClipboardAlways)
      .Default(false);
  p.Property("AllowClipboardColGrow", &TNavigation::AllowClipboardColGrow, &TNavigation::SetAllowClipboardColGrow)
      .Default(true);
  p.Property("AllowClipboardRowGrow", &TNavigation::AllowClipboardRowGrow, &TNavigation::SetAllowClipboardRowGrow)
      .Default(true);
  p.Property("AllowClipboardShortCuts", &TNavigation::AllowClipboardShortCuts, &TNavigation::SetAllowClipboardShortCuts)
      .Default(false);
  p.Property("AllowCtrlEnter", &TNavigation::AllowCtrlEnter, &TNavigation::SetAllowCtrlEnter).Default(true);
  p.Property("AllowDeleteRow", &TNavigation::AllowDeleteRow, &TNavigation::SetAllowDeleteRow).Default(false);
  p.Property("AllowFmtClipboard", &TNavigation::AllowFmtClipboard, &TNavigation::SetAllowFmtClipboard).Default(false);
  p.Property("AllowInsertRow", &TNavigation::AllowInsertRow, &TNavigation::SetAllowInsertRow).Default(false);
  p.Property("AllowRTFClipboard", &TNavigation::AllowRTFClipboard, &TNavigation::SetAllowRTFClipboard).Default(false);
  p.Property("AllowSmartClipboard", &TNavigation::AllowSmartClipboard, &TNavigation::SetAllowSmartClipboard)
      .Default(false);
  p.Property("AlwaysEdit", &TNavigation::AlwaysEdit, &TNavigation::SetAlwaysEdit).Default(false);
  p.Property("AppendOnArrowDown", &TNavigation::AppendOnArrowDown, &TNavigation::SetAppendOnArrowDown).Default(false);
  p.Property("AutoComboDropSize", &TNavigation::AutoComboDropSize, &TNavigation::SetAutoComboDropSize).Default(false);
  p.Property("AutoGotoIncremental", &TNavigation::AutoGotoIncremental, &TNavigation::SetAutoGotoIncremental)
      .Default(false);
  p.Property("AutoGotoWhenSorted", &TNavigation::AutoGotoWhenSorted, &TNavigation::SetAutoGotoWhenSorted)
      .Default(false);
  p.Property("CopyHTMLTagsToClipboard", &TNavigation::CopyHTMLTagsToClipboard, &TNavigation::SetCopyHTMLTagsToClipboard)
      .Default(true);
  p.Property("CursorWalkEditor", &TNavigation::CursorWalkEditor, &TNavigation::SetCursorWalkEditor).Default(false);
  p.Property("EditSelectAll", &TNavigation::EditSelectAll, &TNavigation::SetEditSelectAll).Default(true);
  p.Property("HomeEndKey", &TNavigation::HomeEndKey, &TNavigation::SetHomeEndKey).Default(heFirstLastColumn);
  p.Property("ImproveMaskSel", &TNavigation::ImproveMaskSel, &TNavigation::SetImproveMaskSel).Default(false);
  p.Property("InsertPosition", &TNavigation::InsertPosition, &TNavigation::SetInsertPosition).Default(pInsertBefore);
  p.Property("KeepHorizScroll", &TNavigation::KeepHorizScroll, &TNavigation::SetKeepHorizScroll).Default(false);
  p.Property("LineFeedOnEnter", &TNavigation::LineFeedOnEnter, &TNavigation::SetLineFeedOnEnter).Default(false);
  p.Property("MoveRowOnSort", &TNavigation::MoveRowOnSort, &TNavigation::SetMoveRowOnSort).Default(false);
  p.Property("SkipFixedCells", &TNavigation::SkipFixedCells, &TNavigation::SetSkipFixedCells).Default(true);
  p.Property("TabAdvanceDirection", &TNavigation::TabAdvanceDirection, &TNavigation::SetTabAdvanceDirection)
      .Default(adLeftRight);
  p.Property("TabToNextAtEnd", &TNavigation::TabToNextAtEnd, &TNavigation::SetTabToNextAtEnd).Default(false);
}

void TNavigation::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TNavigation*>(Source);
  if (source == nullptr) return;
  AllowInsertRow_ = source->AllowInsertRow_;
  AllowDeleteRow_ = source->AllowDeleteRow_;
  AlwaysEdit_ = source->AlwaysEdit_;
  AdvanceOnEnter_ = source->AdvanceOnEnter_;
  AdvanceInsert_ = source->AdvanceInsert_;
  AutoGotoWhenSorted_ = source->AutoGotoWhenSorted_;
  AutoGotoIncremental_ = source->AutoGotoIncremental_;
  AutoComboDropSize_ = source->AutoComboDropSize_;
  AllowClipboardShortCuts_ = source->AllowClipboardShortCuts_;
  AllowSmartClipboard_ = source->AllowSmartClipboard_;
  AllowRTFClipboard_ = source->AllowRTFClipboard_;
  AllowFmtClipboard_ = source->AllowFmtClipboard_;
  AllowClipboardAlways_ = source->AllowClipboardAlways_;
  AdvanceAuto_ = source->AdvanceAuto_;
  AppendOnArrowDown_ = source->AppendOnArrowDown_;
  CursorWalkEditor_ = source->CursorWalkEditor_;
  MoveRowOnSort_ = source->MoveRowOnSort_;
  ImproveMaskSel_ = source->ImproveMaskSel_;
  KeepHorizScroll_ = source->KeepHorizScroll_;
  LineFeedOnEnter_ = source->LineFeedOnEnter_;
  TabToNextAtEnd_ = source->TabToNextAtEnd_;
  AllowCtrlEnter_ = source->AllowCtrlEnter_;
  AllowClipboardRowGrow_ = source->AllowClipboardRowGrow_;
  AllowClipboardColGrow_ = source->AllowClipboardColGrow_;
  EditSelectAll_ = source->EditSelectAll_;
  CopyHTMLTagsToClipboard_ = source->CopyHTMLTagsToClipboard_;
  SkipFixedCells_ = source->SkipFixedCells_;
  AdvanceDirection_ = source->AdvanceDirection_;
  TabAdvanceDirection_ = source->TabAdvanceDirection_;
  InsertPosition_ = source->InsertPosition_;
  HomeEndKey_ = source->HomeEndKey_;
}
