// One-line edits with an embedded button, the base of the grid's edit-with-button editors:
// - TProSpeedButton: a speed button with hot tracking; IsWinXP draws the themed push button while
//   visual styles are active (else the classic or flat face of the speed button);
// - TZavEditButton: a small windowed control holding one such button that always fills it; a left
//   press fires OnClick and gives the focus to FocusControl (or takes it itself);
// - TZavEditBtn: an edit with a TZavEditButton at its right edge; the button and F4 fire OnClickBtn.
//   The text is formatted left of the button and of UnitSize pixels kept for a unit text.  With
//   EditorEnabled off typing, cut and paste do nothing (cut and paste also need ReadOnly off);
// - TZavUnitEditBtn: the button offers Units in a popup menu; the chosen one becomes UnitID, drawn
//   between the text and the button.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/edit.h"
#include "platform/ui/speed_button.h"

class TStringList;
class TStrings;

class TProSpeedButton : public TSpeedButton {
  PR_CLASS(TProSpeedButton, TSpeedButton)

 public:
  explicit TProSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool Value);
  bool Hot() const { return hot_; }

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  bool isWinXP_ = false;
  bool hot_ = false;
};

class TZavEditButton : public TWinControl {
  PR_CLASS(TZavEditButton, TWinControl)

 public:
  explicit TZavEditButton(TComponent* AOwner);

  TProSpeedButton* Button() const { return button_; }
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  TNotifyEvent OnClick;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 private:
  void BtnMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  void FitButton();

  TProSpeedButton* button_;   // owned as a child component
  TWinControl* focusControl_ = nullptr;
  bool flat_ = false;
};

class TZavEditBtn : public TCustomEdit {
  PR_CLASS(TZavEditBtn, TCustomEdit)

 public:
  explicit TZavEditBtn(TComponent* AOwner);

  TZavEditButton* EditButton() const { return button_; }
  Integer UnitSize() const { return unitSize_; }
  bool RightAlign() const { return rightAlign_; }
  void SetRightAlign(bool Value);
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
  // The width last given through this property: 0 until set, while the button starts 18 wide.
  Integer ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(Integer Value);
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool Value);
  std::string ButtonCaption() const;
  void SetButtonCaption(const std::string& Value);

  TNotifyEvent OnClickBtn;

 protected:
  // Fires OnClickBtn.
  virtual void DoClickBtn(TObject* Sender);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void WndProc(TMessage& Message) override;
  // The formatting rectangle: from 1 (with a border; 2 without) to the button and the unit space.
  void SetEditRect();
  void SetUnitSize(Integer Value) { unitSize_ = Value; }

 private:
  Integer MinHeight();
  void PlaceButton();

  Integer unitSize_ = 0;
  bool rightAlign_ = false;
  TZavEditButton* button_;   // owned as a child component
  bool editorEnabled_ = true;
  Integer buttonWidth_ = 0;
  bool isWinXP_ = false;
};

class TZavUnitEditBtn : public TZavEditBtn {
  PR_CLASS(TZavUnitEditBtn, TZavEditBtn)

 public:
  explicit TZavUnitEditBtn(TComponent* AOwner);
  ~TZavUnitEditBtn() override;

  const std::string& UnitID() const { return unitID_; }
  void SetUnitID(const std::string& Value);
  TStrings* Units() const;
  // Copies the list; nullptr is ignored.
  void SetUnits(TStrings* Value);
  Integer UnitSpace() const { return UnitSize(); }
  void SetUnitSpace(Integer Value);

 protected:
  // Offers the units in a popup menu at the client's bottom right; entry n chooses the n-th unit.
  void DoClickBtn(TObject* Sender) override;
  void WndProc(TMessage& Message) override;

 private:
  void PaintUnit();

  std::string unitID_;
  std::unique_ptr<TStringList> units_;
};
