// TGraphic: the base of every picture kind (bitmaps, icons, JPEG and PNG images): size, drawing on
// a canvas, loading and saving, and change notification.
//
// A graphic streams inside a component stream as the binary property "Data" (ReadData /
// WriteData: the picture's own file bytes, with a 4-byte little-endian length before them for the
// kinds that need one).  Changed sets Modified and fires OnChange.
#pragma once

#include <string>

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/gdi/geometry.h"

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
  PR_CLASS(TGraphic, TPersistent)

 public:
  TGraphic() = default;

  virtual bool Empty() const = 0;
  virtual Integer Width() const = 0;
  virtual void SetWidth(Integer Value) = 0;
  virtual Integer Height() const = 0;
  virtual void SetHeight(Integer Value) = 0;
  bool Modified() const { return modified_; }
  void SetModified(bool Value);
  bool Transparent() const { return GetTransparent(); }
  void SetTransparent(bool Value);

  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  virtual void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);
  // True when both pictures are of one class and save the same bytes.
  virtual bool Equals(TGraphic* Graphic);

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  friend class TPicture;
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  virtual void Changed(TObject* Sender);
  virtual bool GetTransparent() const { return transparent_; }
  void DefineProperties(TFiler* Filer) override;
  virtual void ReadData(TStream* Stream);
  virtual void WriteData(TStream* Stream);

 private:
  bool modified_ = false;
  bool transparent_ = false;
};

using TGraphicClass = TClass;
