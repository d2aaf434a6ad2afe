// TGDIPPicture: a picture that keeps its file's bytes and draws them through GDI+ (gdiplus_wrapper.h):
// BMP files through the class library's bitmap at their own size with automatic transparency (the
// bottom-left pixel's colour), every other format stretched to the rectangle.  Width and Height
// are the size the last drawing of a non-BMP picture found (0 before).
//
// Files named by callers are read only when they are regular files, without blocking
// (platform/os/regular_file.h); any error leaves the picture empty.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/event.h"
#include "platform/ui/graphic.h"

class TGDIPPicture : public TGraphic {
  PR_CLASS(TGDIPPicture, TGraphic)

 public:
  TGDIPPicture();
  // Nothing: no data, empty, OnChange then OnClear.  A TGDIPPicture: its bytes, OnChange.  Other
  // sources only empty the picture.
  void Assign(TPersistent* Source) override;

  bool Empty() const override { return empty_; }
  Integer Width() const override { return width_; }
  Integer Height() const override { return height_; }
  void SetWidth(Integer) override {}
  void SetHeight(Integer) override {}

  // The file's bytes, OnClear then OnChange; errors leave the picture empty.
  void LoadFromFile(const std::string& FileName) override;
  // The stream's bytes from its position on, OnChange; nothing for no stream.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

  TNotifyEvent OnClear;

 protected:
  // Raises Exception "Could not allocate memory for image" when no block for the bytes can be had.
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

 private:
  void MakeEmpty();
  void DrawBitmap(TCanvas* ACanvas, const TRect& Rect);

  std::vector<Byte> data_;
  bool empty_ = true;
  Integer width_ = 0;
  Integer height_ = 0;
};
