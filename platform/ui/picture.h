// TPicture: a holder of any graphic (bitmap, icon, JPEG or PNG image), with the registry of graphic
// classes by file extension and by name.
//
// Registry: RegisterFileFormat(extension, description, class); LoadFromFile chooses the class by
// the file's extension (case ignored), EInvalidGraphic "Unknown picture file extension (.xyz)"
// when none is registered.  Each class is also found by its class name ("TBitmap") and by its
// short name ("Bitmap", "Icon", "JPEG", "PNG").  Built in: bmp (TBitmap), ico (TIcon), jpg and
// jpeg (TJPEGImage), png (TPngImage).  A later registration of an extension replaces the earlier.
//
// In a component stream the picture is the binary property "Data": the graphic's class name as a
// short string (a length byte, then the name), then the graphic's own data; an empty picture writes
// nothing.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/graphic.h"

class TBitmap;
class TIcon;

struct TFileFormat {
  std::string Extension;   // without the dot, lower case
  std::string Description;
  TGraphicClass GraphicClass;
};

class TPicture : public TPersistent {
  PR_CLASS(TPicture, TPersistent)

 public:
  TPicture();
  ~TPicture() override;
  void Assign(TPersistent* Source) override;

  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(TGraphic* Value);   // copies Value
  // The graphic as a bitmap (an empty bitmap replaces any other kind).
  TBitmap* Bitmap();
  TIcon* Icon();
  Integer Width() const { return graphic_ != nullptr ? graphic_->Width() : 0; }
  Integer Height() const { return graphic_ != nullptr ? graphic_->Height() : 0; }

  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);

  TNotifyEvent OnChange;

  static void RegisterFileFormat(std::string_view Extension, std::string_view Description, TGraphicClass GraphicClass);
  static void UnregisterGraphicClass(TGraphicClass GraphicClass);
  static TGraphicClass GraphicClassOfExtension(std::string_view Extension);
  // By class name ("TJPEGImage") or short name ("JPEG"); nullptr when none matches.
  static TGraphicClass GraphicClassByName(std::string_view Name);
  static std::vector<TFileFormat> FileFormats();

 protected:
  void DefineProperties(TFiler* Filer) override;
  virtual void Changed(TObject* Sender);

 private:
  template <class T>
  T* GraphicAs();
  void Adopt(std::unique_ptr<TGraphic> Graphic);
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);

  std::unique_ptr<TGraphic> graphic_;
};
