// TPopupButton: the floating caption the string grid shows over a column header dragged out of the
// grid.  A disabled topmost popup with a thin border (it never takes input), in clBtnFace, with a
// 3-D frame unless Flat, an optional vertical gradient from GradFrom to GradTo, and its caption:
// markup (a caption holding "</") through the markup renderer with Images, else one centred line
// cut with an ellipsis.
#pragma once

#include <string>

#include "platform/ui/custom_control.h"

class TCustomImageList;

class TPopupButton : public TCustomControl {
  PR_CLASS(TPopupButton, TCustomControl)

 public:
  explicit TPopupButton(TComponent* AOwner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* Value) { images_ = Value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  TColor GradFrom() const { return gradFrom_; }
  void SetGradFrom(TColor Value);
  TColor GradTo() const { return gradTo_; }
  void SetGradTo(TColor Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  std::string caption_;
  TCustomImageList* images_ = nullptr;   // not owned
  bool flat_ = false;
  TColor gradFrom_ = clNone;
  TColor gradTo_ = clNone;
};
