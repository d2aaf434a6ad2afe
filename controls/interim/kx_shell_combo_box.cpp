#include "controls/interim/kx_shell_combo_box.h"

#include "platform/ui/canvas.h"
#include "platform/window_classes/combo_box_window.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/control_publishing.h"
#include "platform/window_classes/edit_window.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"

namespace {

constexpr Integer kIndentPerLevel = 10;   // pixels
constexpr Integer kTextMargin = 2;        // pixels left of an item's text

}  // namespace

PR_PUBLISH(TkxShellComboBox) {
  PublishAnchors(p);
  PublishConstraints(p);
  PublishEnabled(p);
  PublishParentColor(p, false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Properties", &TkxShellComboBox::Properties, &TkxShellComboBox::SetProperties);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
}

TkxShellComboBox::TkxShellComboBox(TComponent* AOwner)
    : TCustomComboBox(AOwner), properties_(std::make_unique<TkxShellComboBoxProperties>(this)) {
  properties_->OnChanged = [this] { ApplyProperties(); };
}

TkxShellComboBox::~TkxShellComboBox() { properties_->OnChanged = nullptr; }

void TkxShellComboBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_MEASUREITEM) return CNMeasureItem(Message);
  inherited::Dispatch(Message);
}

// The items are drawn here (indented), but their texts are the paths: the field stays an edit.
void TkxShellComboBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= CBS_OWNERDRAWFIXED;
}

void TkxShellComboBox::CreateWnd() {
  inherited::CreateWnd();
  const LRESULT fieldHeight = SendMessageA(Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0);
  SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, MAKELPARAM(WORD(fieldHeight), 0));
  ApplyProperties();
}

void TkxShellComboBox::DropDown() {
  folders_ = ShellFolderItems(Text());
  Items()->BeginUpdate();
  Items()->Clear();   // keeps the text
  for (const TShellFolderItem& folder : folders_) Items()->Add(folder.Path);
  Items()->EndUpdate();
  inherited::DropDown();
}

void TkxShellComboBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState) {
  Canvas()->FillRect(Rect);
  if (Index < 0 || std::size_t(Index) >= folders_.size()) return;
  const TShellFolderItem& folder = folders_[std::size_t(Index)];
  Canvas()->TextOut(Rect.Left + kTextMargin + folder.Depth * kIndentPerLevel, Rect.Top, folder.Caption);
}

// The field and the rows keep the heights the window proposes for its font (CreateWnd makes the
// rows as high as the field).
void TkxShellComboBox::CNMeasureItem(TMessage& Message) { Message.Result = 1; }

void TkxShellComboBox::ApplyProperties() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), CB_SETDROPPEDWIDTH, WPARAM(properties_->DropDownWidth()), 0);
  if (EditHandle() == nullptr) return;
  LONG_PTR style = GetWindowLongPtrA(EditHandle(), GWL_STYLE);
  style = properties_->HideSelection() ? style & ~LONG_PTR(ES_NOHIDESEL) : style | LONG_PTR(ES_NOHIDESEL);
  SetWindowLongPtrA(EditHandle(), GWL_STYLE, style);
}
