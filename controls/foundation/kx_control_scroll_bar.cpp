#include "controls/foundation/kx_control_scroll_bar.h"

#include "controls/foundation/kx_control.h"
#include "platform/classes/publisher.h"
#include "platform/ui/control_messages.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"

PR_IMPLEMENT_CLASS(TkxControlScrollBar)

TkxControlScrollBar::TkxControlScrollBar(TComponent* AOwner) : TkxScrollBar(AOwner) {
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle();
  style.Exclude(csFramed);
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  SetTabStop(false);
  SetVisible(false);
}

void TkxControlScrollBar::ApplyData() {
  if (Data.Visible) {
    SetScrollParams(Data.Min, Data.Max, Data.Position, Data.PageSize, true);
    SetSmallChange(Data.SmallChange);
    SetLargeChange(Data.LargeChange);
  }
  SetEnabled(Data.Enabled);
  if (Data.Visible != Visible()) {
    SetVisible(Data.Visible);
    Perform(CM_SHOWINGCHANGED, 0, 0);
  }
}

void TkxControlScrollBar::FocusParentControl() {
  TWinControl* parent = Parent();
  if (parent == nullptr) return;
  auto* control = dynamic_cast<TkxControl*>(parent);
  const bool focus = control != nullptr ? control->CanFocusOnScrollBarClick(this) : parent->CanFocus();
  if (focus) PostMessageA(parent->Handle(), WM_SETFOCUS, WPARAM(GetFocus()), 0);
}

void TkxControlScrollBar::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN) FocusParentControl();
  TkxScrollBar::WndProc(Message);
}

void TkxControlScrollBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DESIGNHITTEST) {
    Message.Result = 1;
    return;
  }
  TkxScrollBar::Dispatch(Message);
}
