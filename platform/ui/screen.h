// TScreen: the display as the program sees it: its size, work area, monitors and pixels per inch,
// the forms and the active form and control, and the mouse cursor shown over the program.
//
// Cursor: while Screen.Cursor is not crDefault every window of the program shows it (crHourGlass
// during long work); back at crDefault each control's own Cursor shows again.  Cursors[index]
// maps the class library's cursor numbers to cursor handles; programs register their own with
// SetCursors.  Monitors and the work area are the window layer's.  MenuFont is the window layer's
// menu font (the non-client metrics' lfMenuFont), read when the screen is made.
#pragma once

#include <map>
#include <vector>

#include "platform/classes/component.h"
#include "platform/ui/control_types.h"
#include "platform/user/user_types.h"

class TCustomForm;
class TFont;
class TForm;
class TWinControl;

class TMonitor : public TObject {
  PR_CLASS(TMonitor, TObject)

 public:
  TMonitor(HMONITOR Handle, Integer Index, TRect Bounds, TRect WorkArea)
      : handle_(Handle), index_(Index), bounds_(Bounds), workArea_(WorkArea) {}
  HMONITOR Handle() const { return handle_; }
  Integer MonitorNum() const { return index_; }
  TRect BoundsRect() const { return bounds_; }
  TRect WorkareaRect() const { return workArea_; }
  Integer Left() const { return bounds_.Left; }
  Integer Top() const { return bounds_.Top; }
  Integer Width() const { return bounds_.Width(); }
  Integer Height() const { return bounds_.Height(); }
  bool Primary() const { return index_ == 0; }

 private:
  HMONITOR handle_;
  Integer index_;
  TRect bounds_;
  TRect workArea_;
};

class TScreen : public TComponent {
  PR_CLASS(TScreen, TComponent)

 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  Integer Width() const;
  Integer Height() const;
  TRect WorkAreaRect() const;
  Integer WorkAreaLeft() const { return WorkAreaRect().Left; }
  Integer WorkAreaTop() const { return WorkAreaRect().Top; }
  Integer WorkAreaWidth() const { return WorkAreaRect().Width(); }
  Integer WorkAreaHeight() const { return WorkAreaRect().Height(); }
  Integer DesktopLeft() const { return 0; }
  Integer DesktopTop() const { return 0; }
  Integer DesktopWidth() const { return Width(); }
  Integer DesktopHeight() const { return Height(); }
  Integer PixelsPerInch() const { return pixelsPerInch_; }
  TFont* MenuFont() const { return menuFont_.get(); }
  Integer MonitorCount() const;
  TMonitor* Monitors(Integer Index) const;
  TMonitor* MonitorFromPoint(TPoint Point) const;
  TMonitor* MonitorFromRect(const TRect& Rect) const;
  TMonitor* MonitorFromWindow(HWND Window) const;

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  // Increases with every assignment of Cursor (ShowModal compares it to see whether someone set it).
  Integer CursorCount() const { return cursorCount_; }
  HCURSOR Cursors(Integer Index) const;
  void SetCursors(Integer Index, HCURSOR Handle);

  Integer FormCount() const { return Integer(forms_.size()); }
  TForm* Forms(Integer Index) const { return forms_.at(std::size_t(Index)); }
  Integer CustomFormCount() const { return Integer(customForms_.size()); }
  TCustomForm* CustomForms(Integer Index) const { return customForms_.at(std::size_t(Index)); }
  TForm* ActiveForm() const { return activeForm_; }
  TCustomForm* ActiveCustomForm() const { return activeCustomForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  TCustomForm* FocusedForm() const { return focusedForm_; }

  TNotifyEvent OnActiveControlChange;
  TNotifyEvent OnActiveFormChange;

  // Book-keeping of forms and focus, called by TCustomForm.
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void SetFocusedForm(TCustomForm* Form, TWinControl* Control);
  void SetFocusedFormOnly(TCustomForm* Form) { focusedForm_ = Form; }
  void SaveFocusedForm(TCustomForm* Modal);
  void RestoreFocusedForm();
  void ForgetSavedFocus(TCustomForm* Form);
  void UpdateLastActive();
  TCustomForm* LastActiveForm() const { return lastActiveForm_; }

 private:
  void MoveToFront(TCustomForm* Form);
  TMonitor* MonitorOf(HMONITOR Handle) const;

  std::vector<TCustomForm*> customForms_;   // most recently active first
  std::vector<TForm*> forms_;
  std::vector<TCustomForm*> savedFocus_;    // focused forms saved by modal forms, latest first
  std::vector<std::unique_ptr<TMonitor>> monitors_;
  TForm* activeForm_ = nullptr;
  TCustomForm* activeCustomForm_ = nullptr;
  TCustomForm* focusedForm_ = nullptr;
  TCustomForm* lastActiveForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TCursor cursor_ = 0;
  Integer cursorCount_ = 0;
  std::map<Integer, HCURSOR> cursors_;
  std::unique_ptr<TFont> menuFont_;
  Integer pixelsPerInch_ = 96;
};

extern TScreen* Screen;
