// THTMLPicture: the picture of markup texts (SRC of an image tag, BACKGROUND of a body tag) and of
// picture containers.  It keeps the picture file's bytes exactly as loaded (what it saves and
// copies) and shows them decoded by the platform's codecs: BMP, icons, JPEG and GIF.  Anything else,
// PNG and metafiles included, fails with "Could not load image. Invalid format".
//
// GIF frames (gif_frames.h): `Frame` (1-based) picks the frame shown; the frames before it are cut
// from the data and the first frame of the rest is decoded, cropped to that frame's own rectangle,
// whose offsets within the animation are FrameXPos / FrameYPos.  MaxWidth / MaxHeight are the
// animation's logical screen size (the picture's size when the file gives none).
//
// Sizes: the decoded picture's size is kept in HIMETRIC units, MulDiv(pixels, 2540, 96), and
// Width / Height convert back with MulDiv(himetric, 96, 2540), so a w x h picture reports w x h.
// Drawn unstretched, a picture takes its HIMETRIC size at the target's pixels per inch.
//
// Loading from names found in data: a "FILE://" URL and LoadFromFile read only a regular file and
// never block (platform/os/regular_file.h); a "FILE://" URL is also refused above
// kMaxMarkupPictureFileSize.  Failures there leave an empty picture and raise nothing.  URLs of
// other schemes are not fetched: the URL is recorded as the picture's ID and the picture stays
// empty, so a cache finds it next time and never tries it again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/classes/event.h"
#include "platform/gdi/decoded_image.h"
#include "platform/ui/graphic.h"

// The largest file a markup text's "FILE://" picture may name (32 MiB).
inline constexpr std::int64_t kMaxMarkupPictureFileSize = std::int64_t(32) << 20;

class THTMLPicture : public TGraphic {
  PR_CLASS(THTMLPicture, TGraphic)

 public:
  THTMLPicture();
  ~THTMLPicture() override;
  // The picture becomes empty; a THTMLPicture source then gives its bytes, which are decoded, and
  // OnChange fires.  Nothing and other sources leave it empty, without data.
  void Assign(TPersistent* Source) override;

  bool Empty() const override { return empty_; }
  Integer Width() const override;
  Integer Height() const override;
  void SetWidth(Integer) override {}
  void SetHeight(Integer) override {}

  // The stream's bytes from its position on become the data, which is decoded; then OnChange.
  // Decoding errors raise Exception "Could not load image. Invalid format".  Nothing for no stream.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // Any error leaves the picture empty and raises nothing.
  void LoadFromFile(const std::string& FileName) override;
  // The program's RCDATA resource of that name, as a stream; nothing when there is none.
  void LoadFromResourceName(const std::string& ResName);
  // "RES://name" and "FILE://path" (prefixes in any case) load, with the URL as ID; any other URL
  // is only recorded (URL and ID) and the picture stays empty.
  void LoadFromURL(const std::string& URL);

  bool Stretch() const { return stretch_; }
  void SetStretch(bool Value) { stretch_ = Value; }
  Integer Frame() const { return frame_; }
  // Shows another frame (decoded again when there is data), then OnFrameChange.
  void SetFrame(Integer Value);
  // The frames of a GIF (0 when its frames have no control extensions); -1 for other data.
  Integer FrameCount();
  Integer MaxWidth() const;
  Integer MaxHeight() const;
  Integer FrameXPos() const { return frameLeft_; }
  Integer FrameYPos() const { return frameTop_; }
  bool IsGIFFile() const;

  const std::string& ID() const { return id_; }
  void SetID(const std::string& Value) { id_ = Value; }
  const std::string& URL() const { return url_; }

  TNotifyEvent OnFrameChange;

 protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

 private:
  void TakeData(std::vector<Byte> Data);
  void Decode();
  // Forgets the decoded picture.
  void Clear();
  // No data, nothing decoded, empty.
  void MakeEmpty();
  void LoadFile(const std::string& FileName, std::int64_t MaxSize);

  std::vector<Byte> data_;
  bool empty_ = true;
  bool stretch_ = false;
  gdi::DecodedImage image_;   // empty until decoded
  Integer himetricWidth_ = 0;
  Integer himetricHeight_ = 0;
  std::string url_;
  std::string id_;
  Integer frame_ = 1;
  std::optional<Integer> frameCount_;   // counted on first use after the data changed
  Integer frameLeft_ = 0;
  Integer frameTop_ = 0;
  Integer screenWidth_ = 0;
  Integer screenHeight_ = 0;
};
