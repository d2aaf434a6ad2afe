// TCustomUpDown and TUpDown: up-down arrows over the platform's up-down window class
// (up_down_window.h), optionally attached to an Associate control whose text shows the position.
//
// Min (0), Max (100), Position (0), Increment (1), Orientation (udVertical), AlignButton
// (udRight: the arrows sit over the associate's right edge), ArrowKeys, Thousands (True) and Wrap
// (False) are kept by the control and given to the window.  A step asks CanChange first (UDN_DELTAPOS
// reflected as CN_NOTIFY): OnChanging, then OnChangingEx with the new value and the direction,
// may refuse it; a made step (SB_THUMBPOSITION reflected as CN_VSCROLL / CN_HSCROLL) updates
// Position and runs Click (OnClick with btNext or btPrev).
#pragma once

#include "platform/ui/win_control.h"

PR_ENUM(TUDAlignButton, udLeft, udRight)
PR_ENUM(TUDOrientation, udHorizontal, udVertical)
PR_ENUM(TUDBtnType, btNext, btPrev)
PR_ENUM(TUpDownDirection, updNone, updUp, updDown)

using TUDClickEvent = Event<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = Event<void(TObject* Sender, bool& AllowChange)>;
using TUDChangingEventEx =
    Event<void(TObject* Sender, bool& AllowChange, SmallInt NewValue, TUpDownDirection Direction)>;

class TCustomUpDown : public TWinControl {
  PR_CLASS(TCustomUpDown, TWinControl)

 public:
  explicit TCustomUpDown(TComponent* AOwner);

  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* Value);
  SmallInt Min() const { return min_; }
  void SetMin(SmallInt Value);
  SmallInt Max() const { return max_; }
  void SetMax(SmallInt Value);
  SmallInt Position() const;
  void SetPosition(SmallInt Value);
  Integer Increment() const { return increment_; }
  void SetIncrement(Integer Value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation Value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton Value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool Value);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool Value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool Value);

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;
  TUDChangingEventEx OnChangingEx;

  void Dispatch(TMessage& Message) override;

 protected:
  virtual bool CanChange();
  virtual bool DoCanChange(SmallInt NewVal, SmallInt Delta);
  virtual void Click(TUDBtnType Button);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CNNotify(TMessage& Message);
  void CNScroll(TMessage& Message);
  void SetStyleOption(bool& Field, bool Value);

  TWinControl* associate_ = nullptr;
  SmallInt min_ = 0;
  SmallInt max_ = 100;
  SmallInt position_ = 0;
  Integer increment_ = 1;
  TUDOrientation orientation_ = udVertical;
  TUDAlignButton alignButton_ = udRight;
  bool arrowKeys_ = true;
  bool thousands_ = true;
  bool wrap_ = false;
};

class TUpDown : public TCustomUpDown {
  PR_CLASS(TUpDown, TCustomUpDown)

 public:
  explicit TUpDown(TComponent* AOwner) : TCustomUpDown(AOwner) {}
};
