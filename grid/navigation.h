// TNavigation (the string grid's Navigation): how the keyboard and the clipboard move through and
// change the grid: inserting and deleting rows, editing on entry, where Enter and Tab advance, the
// clipboard short-cuts and formats, Home and End.  Every property only stores its value; the
// keyboard, editing and clipboard handling read them.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"

PR_ENUM(TAdvanceDirection, adLeftRight, adTopBottom)
PR_ENUM(TInsertPosition, pInsertBefore, pInsertAfter)
PR_ENUM(THomeEndAction, heFirstLastColumn, heFirstLastRow)

class TNavigation : public TPersistent {
  PR_CLASS(TNavigation, TPersistent)

 public:
  TNavigation() = default;

  // Copies every published field from another TNavigation; any other source is ignored.
  void Assign(TPersistent* Source) override;

  PR_STORED_PROPERTY(bool, AllowInsertRow, false)
  PR_STORED_PROPERTY(bool, AllowDeleteRow, false)
  PR_STORED_PROPERTY(bool, AlwaysEdit, false)
  PR_STORED_PROPERTY(bool, AdvanceOnEnter, false)
  PR_STORED_PROPERTY(bool, AdvanceInsert, false)
  PR_STORED_PROPERTY(bool, AutoGotoWhenSorted, false)
  PR_STORED_PROPERTY(bool, AutoGotoIncremental, false)
  PR_STORED_PROPERTY(bool, AutoComboDropSize, false)
  PR_STORED_PROPERTY(bool, AllowClipboardShortCuts, false)
  PR_STORED_PROPERTY(bool, AllowSmartClipboard, false)
  PR_STORED_PROPERTY(bool, AllowRTFClipboard, false)
  PR_STORED_PROPERTY(bool, AllowFmtClipboard, false)
  PR_STORED_PROPERTY(bool, AllowClipboardAlways, false)
  PR_STORED_PROPERTY(bool, AdvanceAuto, false)
  PR_STORED_PROPERTY(bool, AppendOnArrowDown, false)
  PR_STORED_PROPERTY(bool, CursorWalkEditor, false)
  PR_STORED_PROPERTY(bool, MoveRowOnSort, false)
  PR_STORED_PROPERTY(bool, ImproveMaskSel, false)
  PR_STORED_PROPERTY(bool, KeepHorizScroll, false)
  PR_STORED_PROPERTY(bool, LineFeedOnEnter, false)
  PR_STORED_PROPERTY(bool, TabToNextAtEnd, false)
  PR_STORED_PROPERTY(bool, AllowCtrlEnter, true)
  PR_STORED_PROPERTY(bool, AllowClipboardRowGrow, true)
  PR_STORED_PROPERTY(bool, AllowClipboardColGrow, true)
  PR_STORED_PROPERTY(bool, EditSelectAll, true)
  PR_STORED_PROPERTY(bool, CopyHTMLTagsToClipboard, true)
  PR_STORED_PROPERTY(bool, SkipFixedCells, true)
  PR_STORED_PROPERTY(TAdvanceDirection, AdvanceDirection, adLeftRight)
  PR_STORED_PROPERTY(TAdvanceDirection, TabAdvanceDirection, adLeftRight)
  PR_STORED_PROPERTY(TInsertPosition, InsertPosition, pInsertBefore)
  PR_STORED_PROPERTY(THomeEndAction, HomeEndKey, heFirstLastColumn)
};

// For the scope of an editor's walk out of its cell: the advance runs left to right, then the
// direction set before comes back.
class LeftRightAdvance {
 public:
  explicit LeftRightAdvance(TNavigation* Navigation) : navigation_(Navigation), saved_(Navigation->AdvanceDirection()) {
    navigation_->SetAdvanceDirection(adLeftRight);
  }
  ~LeftRightAdvance() { navigation_->SetAdvanceDirection(saved_); }
  LeftRightAdvance(const LeftRightAdvance&) = delete;
  LeftRightAdvance& operator=(const LeftRightAdvance&) = delete;

 private:
  TNavigation* navigation_;
  TAdvanceDirection saved_;
};
