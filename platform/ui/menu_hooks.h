// What the control layer asks of the menus module: showing a control's popup menu, and matching a
// key message against the shortcuts of a popup menu or a form's main menu.  The menus module
// installs its answers; until then a control has no menu behaviour (no popup, no shortcut).
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/ui/message.h"

class TComponent;
class TControl;

struct TMenuHooks {
  // Shows Menu for Control at a screen point; true when it was shown.
  bool (*Popup)(TComponent* Menu, TControl* Control, TPoint ScreenPos) = nullptr;
  // True when the key message is a shortcut of Menu's items (whose click has then run).
  bool (*IsShortCut)(TComponent* Menu, TMessage& Message) = nullptr;
};

void SetMenuHooks(const TMenuHooks& Hooks);
const TMenuHooks& MenuHooks();

// The hooks' answers, false when none is installed.
bool PopupMenuAt(TComponent* Menu, TControl* Control, TPoint ScreenPos);
bool IsMenuShortCut(TComponent* Menu, TMessage& Message);
