// TFilePicture: read from its file at every draw, nothing for an empty name, the picture error for
// a file that cannot be read.
#include <gtest/gtest.h>

#include <cstdio>

#include "grid/file_picture.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics_errors.h"
#include "tests/support/os/temp_folder.h"

namespace {

void WriteBitmap(const std::string& path, TColor color, Integer width, Integer height) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(TRect{0, 0, width, height});
  bitmap.SaveToFile(path);
}

TColor DrawnColour(TFilePicture& picture) {
  TBitmap target;
  target.SetSize(8, 8);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(TRect{0, 0, 8, 8});
  picture.Draw(target.Canvas(), TRect{0, 0, 8, 8});
  return target.Canvas()->Pixels(6, 6);
}

TEST(FilePicture, ReadsItsFileAtEveryDrawAndDrawsNothingWithoutAName) {
  TempFolder folder;
  const std::string path = folder / "picture.bmp";
  WriteBitmap(path, clRed, 4, 3);
  TFilePicture picture;
  EXPECT_EQ(DrawnColour(picture), clWhite) << "no name: nothing drawn";
  picture.SetFilename(path);
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(picture.Height(), 3);
  EXPECT_EQ(DrawnColour(picture), clRed) << "stretched over the whole rectangle";
  WriteBitmap(path, clBlue, 4, 3);
  EXPECT_EQ(DrawnColour(picture), clBlue) << "the file is read again";

  TFilePicture copy;
  std::remove(path.c_str());
  copy.Assign(&picture);   // copies without reading
  EXPECT_EQ(copy.Filename(), path);
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_THROW(DrawnColour(copy), EInvalidGraphic) << "a file gone by the draw";
}

TEST(FilePicture, AFileThatCannotBeReadRaisesThePictureError) {
  TempFolder folder;
  const struct {
    const char* what;
    std::string name;
  } cases[] = {{"missing", folder / "missing.bmp"}, {"unknown extension", folder / "picture.xyz"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TFilePicture picture;
    EXPECT_THROW(picture.SetFilename(c.name), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 0);
  }
}

}  // namespace
