// TFilePicture: a picture given by file name, read from its file at every draw and never kept.
// Setting Filename reads the file once for Width and Height; a file that cannot be read or decoded
// raises EInvalidGraphic (the name is kept, Width and Height stay as they were).  Assign copies Filename, Width
// and Height without reading.  The picture's format follows the file's extension (TPicture).
#pragma once

#include <string>

#include "platform/classes/persistent.h"
#include "platform/gdi/geometry.h"

class TCanvas;

class TFilePicture : public TPersistent {
  PR_CLASS(TFilePicture, TPersistent)

 public:
  TFilePicture() = default;

  const std::string& Filename() const { return filename_; }
  void SetFilename(const std::string& Value);
  Integer Width() const { return width_; }
  Integer Height() const { return height_; }

  // Reads the file and stretches it into Rect; nothing for an empty Filename.
  void Draw(TCanvas* Canvas, const TRect& Rect);
  void Assign(TPersistent* Source) override;

 private:
  std::string filename_;
  Integer width_ = 0;
  Integer height_ = 0;
};
