// TFilePicture; see file_picture.h.
#include "grid/file_picture.h"

#include "platform/classes/publisher.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics_errors.h"
#include "platform/ui/picture.h"

PR_PUBLISH(TFilePicture) {
  p.Property("Filename", &TFilePicture::Filename, &TFilePicture::SetFilename);
  p.Property("Width", &TFilePicture::Width, nullptr);
  p.Property("Height", &TFilePicture::Height, nullptr);
}

namespace {

// The file as a picture; a file that cannot be opened raises the picture error like one that
// cannot be decoded.
void LoadPicture(TPicture& Picture, const std::string& Filename) {
  try {
    Picture.LoadFromFile(Filename);
  } catch (const EInvalidGraphic&) {
    throw;
  } catch (const Exception& error) {
    throw EInvalidGraphic(error.Message());
  }
}

}  // namespace

void TFilePicture::SetFilename(const std::string& Value) {
  filename_ = Value;
  TPicture scratch;
  LoadPicture(scratch, Value);
  width_ = scratch.Width();
  height_ = scratch.Height();
}

void TFilePicture::Draw(TCanvas* Canvas, const TRect& Rect) {
  if (filename_.empty()) return;
  TPicture scratch;
  LoadPicture(scratch, filename_);
  Canvas->StretchDraw(Rect, scratch.Graphic());
}

void TFilePicture::Assign(TPersistent* Source) {
  if (auto* other = dynamic_cast<TFilePicture*>(Source)) {
    filename_ = other->filename_;
    width_ = other->width_;
    height_ = other->height_;
    return;
  }
  inherited::Assign(Source);
}
