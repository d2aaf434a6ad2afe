#include "platform/ui/menu_hooks.h"

namespace {

TMenuHooks& Hooks() {
  static TMenuHooks hooks;
  return hooks;
}

}  // namespace

void SetMenuHooks(const TMenuHooks& Value) { Hooks() = Value; }

const TMenuHooks& MenuHooks() { return Hooks(); }

bool PopupMenuAt(TComponent* Menu, TControl* Control, TPoint ScreenPos) {
  return Hooks().Popup != nullptr && Hooks().Popup(Menu, Control, ScreenPos);
}

bool IsMenuShortCut(TComponent* Menu, TMessage& Message) {
  return Hooks().IsShortCut != nullptr && Hooks().IsShortCut(Menu, Message);
}
