// TPngImage: a PNG picture, kept as a 32-bit bitmap with straight alpha.
//
// Loading decodes the file (every PNG kind) through the image codecs; saving writes 8-bit
// truecolour, with alpha only when some pixel is not opaque, so a saved image loads back to the
// same pixels.  Drawing blends the pixels by their alpha (fully opaque images are copied).
#pragma once

#include <memory>

#include "platform/ui/graphic.h"

class TBitmap;

class TPngImage : public TGraphic {
  PR_CLASS(TPngImage, TGraphic)

 public:
  TPngImage();
  ~TPngImage() override;
  void Assign(TPersistent* Source) override;

  bool Empty() const override;
  Integer Width() const override;
  void SetWidth(Integer Value) override;
  Integer Height() const override;
  void SetHeight(Integer Value) override;
  // True when some pixel is not fully opaque.
  bool HasAlpha() const { return hasAlpha_; }

  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

 protected:
  void AssignTo(TPersistent* Dest) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  bool GetTransparent() const override { return hasAlpha_; }

 private:
  std::unique_ptr<TBitmap> bitmap_;
  bool hasAlpha_ = false;
};
