#include "grid/pro_rich_edit.h"

#include "grid/pro_string_grid.h"
#include "grid/size_while_typing.h"
#include "platform/classes/publisher.h"
#include "platform/ui/control_messages.h"

PR_IMPLEMENT_CLASS(TProRichEdit)

TProRichEdit::TProRichEdit(TComponent* AOwner)
    : TRichEdit(AOwner), grid_(dynamic_cast<TProStringGrid*>(AOwner)) {}

void TProRichEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY && grid_ != nullptr) {
    const auto* request = reinterpret_cast<const REQRESIZE*>(Message.LParam);
    if (request->nmhdr.code == EN_REQUESTRESIZE) {
      RequestedResize(request->rc);
      if (!grid_->RichEditor()->HandleAllocated()) return;
    }
  }
  inherited::Dispatch(Message);
}

void TProRichEdit::RequestedResize(const TRect& Requested) {
  const Integer height = Requested.Bottom - Requested.Top;
  if (this == grid_->RichEdit() && HandleAllocated()) {
    reqWidth_ = Requested.Right - Requested.Left;
    reqHeight_ = height;
  }
  if (this != grid_->RichEditor() || locked_ || !HandleAllocated() || !grid_->SizeWhileTyping()->Height()) return;
  const Integer row = grid_->Row();
  if (grid_->RowHeights(row) >= height || grid_->CellSpanRect(grid_->Col(), row).Top + height >= grid_->Height())
    return;
  SetHeight(height + 4);
  grid_->SetRowHeights(row, height + 5);
  grid_->OnEndRowSize(grid_, row);
}
