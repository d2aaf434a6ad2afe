// The editor's view of its inner control: IkxCustomInnerEdit is what TkxCustomEdit asks of the
// platform control it hosts (a text editor's inner edit and its descendants implement it).
//
// The editor reaches the interface from the control it created: a control that implements
// IkxInnerEditProvider hands over the object that implements IkxCustomInnerEdit for it (a helper
// object that keeps the editor independent of the control class); otherwise the control itself
// must implement IkxCustomInnerEdit.  Neither interface is counted: the control is a component
// owned by the editor and lives as long as the editor's component list keeps it.
#pragma once

#include "controls/foundation/kx_container_routines.h"
#include "platform/classes/event.h"
#include "platform/core/variant.h"
#include "platform/user/user_types.h"

class TkxCustomEdit;
class TWinControl;

class IkxCustomInnerEdit : public IkxContainerInnerControl {
 public:
  // The control's default window procedure, bypassing the platform's message dispatch.
  virtual LRESULT CallDefWndProc(UINT Msg, WPARAM WParam, LPARAM LParam) = 0;
  // What the control shows (a text control: its text as a string variant).
  virtual Variant GetEditValue() = 0;
  virtual TNotifyEvent GetOnChange() = 0;
  virtual bool GetReadOnly() = 0;
  // True counts a lock up, False down (never below 0); bounds changes are ignored while locked.
  virtual void LockBounds(bool ALock) = 0;
  // Focuses the control without changing its selection.
  virtual void SafelySetFocus() = 0;
  virtual void SetEditValue(const Variant& Value) = 0;
  virtual void SetParent(TWinControl* AParent) = 0;
  virtual void SetOnChange(const TNotifyEvent& Value) = 0;
  virtual void SetReadOnly(bool Value) = 0;

 protected:
  ~IkxCustomInnerEdit() = default;
};

// Implemented by an inner control whose IkxCustomInnerEdit lives in another object.
class IkxInnerEditProvider {
 public:
  virtual IkxCustomInnerEdit* GetInnerEdit() = 0;

 protected:
  ~IkxInnerEditProvider() = default;
};

// Makes an editor's inner control, owned by the editor (nullptr class: an editor without one).
using TkxInnerEditClass = TWinControl* (*)(TkxCustomEdit* AOwner);
