// TIcon: an icon picture (.ico file), kept as the file's bytes and an icon handle made from them.
//
// Loading picks the entry that fits the standard icon size best (the codecs' rule); saving writes
// the bytes the icon was loaded from, or, for an icon given as a handle, a one-entry file of it.
// Icons cannot be resized.  Drawn with DrawIconEx at the rectangle's size, transparent through the
// icon's mask.
#pragma once

#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/ui/graphic.h"

class TIcon : public TGraphic {
  PR_CLASS(TIcon, TGraphic)

 public:
  TIcon() = default;
  ~TIcon() override;
  void Assign(TPersistent* Source) override;

  bool Empty() const override { return handle_ == nullptr && data_.empty(); }
  Integer Width() const override { return width_; }
  void SetWidth(Integer Value) override;
  Integer Height() const override { return height_; }
  void SetHeight(Integer Value) override;

  HICON Handle();
  void SetHandle(HICON Value);
  HICON ReleaseHandle();

  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

 protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  bool GetTransparent() const override { return true; }

 private:
  void LoadBytes(std::vector<Byte> Bytes);
  void FreeHandle();

  std::vector<Byte> data_;   // the .ico file the icon came from
  HICON handle_ = nullptr;
  Integer width_ = 0;
  Integer height_ = 0;
};

// An icon handle made from 32-bit pixels with straight alpha (a transparent pixel's mask bit set).
HICON CreateIconFromPixels(const std::vector<std::uint32_t>& Pixels, Integer Width, Integer Height, bool IsIcon = true,
                           Integer HotX = 0, Integer HotY = 0);
