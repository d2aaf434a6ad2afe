// TProRichEdit: the rich edit a string grid keeps two hidden instances of, one rendering and
// measuring rich-text cells, the other for editing them.  Its grid is its owner when that is a
// TProStringGrid.
//
// Resize requests (EN_REQUESTRESIZE, reflected as CN_NOTIFY): the grid's rendering edit keeps the
// requested size in ReqWidth and ReqHeight.  While the grid's editing edit has no window the
// request ends there.  Otherwise, with SizeWhileTyping.Height, a request of the unlocked editing
// edit taller than the current row grows that row to the height + 5 (the edit to the height + 4,
// then OnEndRowSize) when the current cell's top + the height stays above the grid's bottom.
// The grid locks the editing edit while it fills it.
#pragma once

#include "platform/ui/rich_edit.h"

class TProStringGrid;

class TProRichEdit : public TRichEdit {
  PR_CLASS(TProRichEdit, TRichEdit)

 public:
  explicit TProRichEdit(TComponent* AOwner);

  Integer ReqHeight() const { return reqHeight_; }
  Integer ReqWidth() const { return reqWidth_; }
  bool Locked() const { return locked_; }
  void Lock() { locked_ = true; }
  void Unlock() { locked_ = false; }
  void RecreateWindow() { RecreateWnd(); }

  void Dispatch(TMessage& Message) override;

 private:
  void RequestedResize(const TRect& Requested);

  TProStringGrid* grid_;
  Integer reqHeight_ = 0;
  Integer reqWidth_ = 0;
  bool locked_ = false;
};
