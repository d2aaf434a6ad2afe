#include "platform/ui/picture.h"

#include <mutex>

#include "platform/classes/filer.h"
#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/core/ansi_strings.h"
#include "platform/os/file_names.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphics_errors.h"
#include "platform/ui/icon.h"
#include "platform/ui/jpeg_image.h"
#include "platform/ui/png_image.h"

PR_IMPLEMENT_CLASS(TPicture)

namespace {

struct Registry {
  std::mutex mutex;
  std::vector<TFileFormat> formats;
};

Registry& TheRegistry() {
  static Registry registry;
  static const bool builtIn = [] {
    registry.formats = {{"bmp", "Bitmaps", TBitmap::StaticClass()},
                        {"ico", "Icons", TIcon::StaticClass()},
                        {"jpg", "JPEG Image File", TJPEGImage::StaticClass()},
                        {"jpeg", "JPEG Image File", TJPEGImage::StaticClass()},
                        {"png", "Portable Network Graphics", TPngImage::StaticClass()}};
    return true;
  }();
  (void)builtIn;
  return registry;
}

// The short names of the built-in classes.
constexpr struct {
  const char* name;
  const char* className;
} kShortNames[] = {{"Bitmap", "TBitmap"}, {"Icon", "TIcon"}, {"JPEG", "TJPEGImage"}, {"PNG", "TPngImage"}};

std::string ExtensionOf(std::string_view name) {
  std::string ext = ExtractFileExt(name);
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  return LowerCase(ext);
}

}  // namespace

void TPicture::RegisterFileFormat(std::string_view Extension, std::string_view Description,
                                  TGraphicClass GraphicClass) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  const std::string ext = LowerCase(Extension);
  std::erase_if(r.formats, [&](const TFileFormat& f) { return f.Extension == ext; });
  r.formats.push_back({ext, std::string(Description), GraphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass GraphicClass) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  std::erase_if(r.formats, [&](const TFileFormat& f) { return f.GraphicClass == GraphicClass; });
}

TGraphicClass TPicture::GraphicClassOfExtension(std::string_view Extension) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  const std::string ext = LowerCase(Extension);
  for (const TFileFormat& f : r.formats)
    if (f.Extension == ext) return f.GraphicClass;
  return nullptr;
}

TGraphicClass TPicture::GraphicClassByName(std::string_view Name) {
  std::string className(Name);
  for (const auto& entry : kShortNames)
    if (SameText(entry.name, Name)) className = entry.className;
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  for (const TFileFormat& f : r.formats)
    if (SameText(f.GraphicClass->ClassName(), className)) return f.GraphicClass;
  return nullptr;
}

std::vector<TFileFormat> TPicture::FileFormats() {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  return r.formats;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed(TObject*) { OnChange(this); }

void TPicture::Adopt(std::unique_ptr<TGraphic> Graphic) {
  graphic_ = std::move(Graphic);
  if (graphic_ != nullptr) graphic_->OnChange.Bind(this, &TPicture::Changed);
  Changed(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
  std::unique_ptr<TGraphic> copy;
  if (Value != nullptr) {
    copy.reset(CreateInstance<TGraphic>(Value->ClassType()));
    copy->Assign(Value);
  }
  Adopt(std::move(copy));
}

void TPicture::Assign(TPersistent* Source) {
  if (Source == nullptr) return SetGraphic(nullptr);
  if (auto* picture = dynamic_cast<TPicture*>(Source)) return SetGraphic(picture->graphic_.get());
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) return SetGraphic(graphic);
  inherited::Assign(Source);
}

template <class T>
T* TPicture::GraphicAs() {
  if (dynamic_cast<T*>(graphic_.get()) == nullptr) Adopt(std::make_unique<T>());
  return static_cast<T*>(graphic_.get());
}

TBitmap* TPicture::Bitmap() { return GraphicAs<TBitmap>(); }

TIcon* TPicture::Icon() { return GraphicAs<TIcon>(); }

void TPicture::LoadFromFile(const std::string& FileName) {
  const std::string ext = ExtensionOf(FileName);
  const TGraphicClass cls = GraphicClassOfExtension(ext);
  if (cls == nullptr) throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
  std::unique_ptr<TGraphic> graphic(CreateInstance<TGraphic>(cls));
  graphic->LoadFromFile(FileName);
  Adopt(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& FileName) {
  if (graphic_ != nullptr) graphic_->SaveToFile(FileName);
}

void TPicture::DefineProperties(TFiler* Filer) {
  bool hasData = graphic_ != nullptr;
  if (auto* ancestor = dynamic_cast<TPicture*>(Filer->Ancestor())) {
    const TGraphic* theirs = ancestor->graphic_.get();
    hasData = graphic_ != nullptr ? !graphic_->Equals(const_cast<TGraphic*>(theirs)) : theirs != nullptr;
  }
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, hasData);
}

void TPicture::ReadData(TStream* Stream) {
  Byte length = 0;
  Stream->ReadBuffer(&length, 1);
  std::string className(length, '\0');
  if (length > 0) Stream->ReadBuffer(className.data(), length);
  std::unique_ptr<TGraphic> graphic;
  if (const TGraphicClass cls = GraphicClassByName(className)) {
    graphic.reset(CreateInstance<TGraphic>(cls));
    graphic->ReadData(Stream);
  }
  Adopt(std::move(graphic));
}

void TPicture::WriteData(TStream* Stream) {
  const std::string className = graphic_ != nullptr ? graphic_->ClassName() : std::string();
  const Byte length = Byte(className.size());
  Stream->WriteBuffer(&length, 1);
  Stream->WriteBuffer(className.data(), length);
  if (graphic_ != nullptr) graphic_->WriteData(Stream);
}
