// THTMLHintWindow: the grid's hint window, showing its text as markup (the sizing hints
// "cw=<b>80</b>", scroll hints).  The grid sets Color and the text, asks CalcHintRect for the size,
// moves the rectangle to the mouse and calls ActivateHint; ReleaseHandle hides it.
//
// The window has no border of its own: Paint draws a one-pixel raised frame (cl3DLight top and
// left, cl3DDkShadow bottom and right) around the markup, which stands 4 pixels in from the sides,
// centred vertically on the text height measured when the hint was activated.  ActivateHint
// sizes the window to the text plus 16 x 4 pixels and keeps it 2 pixels inside the monitor
// nearest to the rectangle's top-left corner; a later change of the text only repaints it.
#pragma once

#include <string>

#include "platform/ui/hint_window.h"

class THTMLHintWindow : public THintWindow {
  PR_CLASS(THTMLHintWindow, THintWindow)

 public:
  explicit THTMLHintWindow(TComponent* AOwner);

  // The markup's measured size within MaxWidth, at (0, 0), without margins.
  TRect CalcHintRect(Integer MaxWidth, const std::string& AHint) override;
  void ActivateHint(TRect Rect, const std::string& AHint) override;

  Integer TextWidth() const { return textWidth_; }
  Integer TextHeight() const { return textHeight_; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  TSize Measure(const TRect& Rect, const std::string& AHint);

  Integer textWidth_ = 0;
  Integer textHeight_ = 0;
};
