// TImage: shows a picture on its parent: at its own size from the top-left corner, centred
// (Center), filling the control (Stretch) or scaled keeping its proportions (Proportional, only
// ever down unless Stretch).  AutoSize takes the picture's size.  Transparent makes a bitmap's
// TransparentColor show through.  The control is opaque (csOpaque) when a non-transparent
// picture covers it.  Canvas gives the picture as a bitmap to draw on.
#pragma once

#include <memory>

#include "platform/ui/graphic_control.h"

class TPicture;

class TImage : public TGraphicControl {
  PR_CLASS(TImage, TGraphicControl)

 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }
  void SetPicture(TPicture* Value);
  bool Center() const { return center_; }
  void SetCenter(bool Value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool Value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  bool IncrementalDisplay() const { return incrementalDisplay_; }
  void SetIncrementalDisplay(bool Value) { incrementalDisplay_ = Value; }
  // The picture as a bitmap's canvas (EInvalidOperation for a picture of another kind).
  TCanvas* Canvas();
  // Where the picture is drawn, in client coordinates.
  TRect DestRect();

 protected:
  void Paint() override;
  bool CanAutoSize(Integer& NewWidth, Integer& NewHeight) override;

 private:
  void PictureChanged(TObject* Sender);

  std::unique_ptr<TPicture> picture_;
  bool center_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool incrementalDisplay_ = false;
  bool drawing_ = false;
};
