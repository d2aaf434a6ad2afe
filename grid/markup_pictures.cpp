// Pictures in markup: image tags ("IDX:" pictures of the image list, "SSYS:" / "LSYS:" shell icons,
// pictures of the container by name and of the URL cache) and body backgrounds.
#include <algorithm>
#include <cmath>

#include "grid/html_picture.h"
#include "grid/markup_colors.h"
#include "grid/markup_renderer.h"
#include "grid/picture_cache.h"
#include "grid/picture_container.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/exceptions.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/image_list.h"
#include "platform/shims/shell_icons.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/custom_image_list.h"

namespace {

constexpr int kDesignPixelsPerInch = 96;

bool HasPrefix(std::string_view text, std::string_view prefix) {
  return SameText(text.substr(0, prefix.size()), prefix);
}

// An image of a list and where it is: what "IDX:" and the shell icons draw.
struct TListImage {
  HIMAGELIST list = nullptr;
  Integer index = -1;
  Integer width = 0;
  Integer height = 0;
};

TListImage ShellIcon(std::string_view name, bool small) {
  SHFILEINFOA info{};
  const std::string path(name);
  TListImage icon;
  const UINT size = small ? SHGFI_SMALLICON : SHGFI_LARGEICON;
  icon.list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | size));
  Integer number = 0;
  icon.index = WholeMarkupNumber(name, number) ? number : info.iIcon;
  ImageList_GetIconSize(icon.list, &icon.width, &icon.height);
  return icon;
}

}  // namespace

bool TMarkupRenderer::Place(TPass& pass, Integer width, Integer height) {
  const Integer lineWidth = pass.line.Width();
  if (pass.layout && width < lineWidth && pass.x + width > lineWidth) {
    pass.doesNotFit = true;   // the item starts the next line
    return false;
  }
  pass.height = std::max(pass.height, height);
  return true;
}

bool TMarkupRenderer::PointIn(const TPass& pass, Integer width, Integer height) const {
  const Integer at = in_.MouseX - pass.line.Left;
  return at > pass.x && at < pass.x + width && in_.MouseY > pass.line.Top && in_.MouseY < pass.line.Top + height;
}

THTMLPicture* TMarkupRenderer::FindPicture(const std::string& source) const {
  if (source.find(':') == std::string::npos)
    return in_.PictureContainer != nullptr ? in_.PictureContainer->FindPicture(source) : nullptr;
  if (source.find("://") == std::string::npos || in_.PictureCache == nullptr) return nullptr;
  if (THTMLPicture* cached = in_.PictureCache->FindPicture(source)) return cached;
  // Loaded once: the picture keeps the URL as its ID even when it stays empty.
  try {
    in_.PictureCache->AddPicture()->LoadFromURL(source);
  } catch (const Exception&) {
  }
  return in_.PictureCache->FindPicture(source);
}

void TMarkupRenderer::Image(TPass& pass, std::string_view attributes) {
  std::string source, alt, value;
  FindMarkupAttribute(attributes, "SRC", source);
  const Integer number = carried_.pictureCount + 1;
  if (FindMarkupAttribute(attributes, "ALT", alt) && number == pictureUnderPoint_) source = alt;
  const Integer width = FindMarkupAttribute(attributes, "WIDTH", value) ? MarkupNumber(value) : 0;
  const Integer height = FindMarkupAttribute(attributes, "HEIGHT", value) ? MarkupNumber(value) : 0;
  canvas_.RequiredState({csHandleValid});
  const int ppi = GetDeviceCaps(canvas_.Handle(), LOGPIXELSX);
  auto scaled = [ppi](Integer pixels) { return MulDiv(pixels, ppi, kDesignPixelsPerInch); };

  TListImage listImage;
  THTMLPicture* picture = nullptr;
  Integer pictureWidth = 0, pictureHeight = 0;
  if (HasPrefix(source, "IDX:")) {
    const Integer index = MarkupNumber(std::string_view(source).substr(4));
    if (in_.Images != nullptr && index >= 0 && index < in_.Images->Count())
      listImage = {in_.Images->Handle(), index, in_.Images->Width(), in_.Images->Height()};
  } else if (HasPrefix(source, "SSYS:") || HasPrefix(source, "LSYS:")) {
    listImage = ShellIcon(std::string_view(source).substr(5), source[0] == 'S' || source[0] == 's');
  } else if ((picture = FindPicture(source)) != nullptr && !picture->Empty()) {
    const bool own = width < 1 || height < 1;
    pictureWidth = own ? picture->MaxWidth() : width;
    pictureHeight = own ? picture->MaxHeight() : height;
  } else {
    picture = nullptr;
  }
  if (listImage.list != nullptr) {
    pictureWidth = listImage.width;
    pictureHeight = listImage.height;
  }
  pictureWidth = scaled(pictureWidth);
  pictureHeight = scaled(pictureHeight);

  if (!Place(pass, pictureWidth, pictureHeight)) return;
  carried_.pictureCount = number;
  const Integer x = pass.line.Left + pass.x, top = pass.line.Top;
  if (pass.drawing && listImage.list != nullptr) DrawListImage(listImage.list, listImage.index, x, top, listImage.width, listImage.height);
  if (pass.drawing && picture != nullptr) DrawPicture(*picture, x, top, width, height);
  if (!pass.layout && carried_.inAnchor && PointIn(pass, pictureWidth, pictureHeight)) {
    out_.AnchorHref = carried_.href;
    pictureUnderPoint_ = number;
    pass.itemHit = true;
  }
  pass.x += pictureWidth;
  if (pictureWidth > 0) pass.trailing = 0;
  const std::string upper = UpperCase(attributes);
  const Integer gh = canvas_.TextHeight("gh");
  if (upper.find("\"TOP") != std::string::npos) pass.lift = pass.height - gh;
  else if (upper.find("\"MIDDLE") != std::string::npos) pass.lift = (pass.height - gh) / 2;
}

// At its own size (animations on the background colour over their whole area, the frame at its
// offset), or stretched to WIDTH x HEIGHT.
void TMarkupRenderer::DrawPicture(THTMLPicture& picture, Integer x, Integer top, Integer width, Integer height) {
  if (width >= 1 && height >= 1) {
    picture.SetStretch(true);
    canvas_.StretchDraw({x, top, x + width, top + height}, &picture);
    return;
  }
  if (picture.FrameCount() > 1) {
    const TColor brush = BrushColor();
    canvas_.Brush()->SetColor(brushColor_);
    canvas_.FillRect({x, top, x + picture.MaxWidth(), top + picture.MaxHeight()});
    SetBrushColor(brush);
  }
  canvas_.Draw(x + picture.FrameXPos(), top + picture.FrameYPos(), &picture);
}

// Transparently at its size, or, printing, copied onto the background and stretched by ResFactor.
void TMarkupRenderer::DrawListImage(HIMAGELIST list, Integer index, Integer x, Integer top, Integer width,
                                    Integer height) {
  if (!in_.Printing) {
    ImageList_Draw(list, index, canvas_.Handle(), x, top, ILD_TRANSPARENT);
    return;
  }
  TBitmap copy;
  copy.SetSize(width, height);
  copy.Canvas()->Brush()->SetColor(brushColor_);
  copy.Canvas()->FillRect({0, 0, width, height});
  ImageList_Draw(list, index, copy.Canvas()->Handle(), 0, 0, ILD_TRANSPARENT);
  const Integer printedWidth = Integer(std::lround(width * in_.ResFactor));
  const Integer printedHeight = Integer(std::lround(height * in_.ResFactor));
  canvas_.StretchDraw({x, top, x + printedWidth, top + printedHeight}, &copy);
}

// The picture tiled from the rectangle's top left across it (clipped to it), then the colour.
void TMarkupRenderer::Body(std::string_view attributes) {
  std::string value;
  THTMLPicture* picture = FindMarkupAttribute(attributes, "BACKGROUND", value) ? FindPicture(value) : nullptr;
  const TRect& r = in_.DrawRect;
  if (picture != nullptr && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
    canvas_.RequiredState({csHandleValid});
    const int saved = SaveDC(canvas_.Handle());
    IntersectClipRect(canvas_.Handle(), r.Left, r.Top, r.Right, r.Bottom);
    for (Integer y = r.Top; y < r.Bottom; y += picture->Height())
      for (Integer x = r.Left; x < r.Right; x += picture->Width()) canvas_.Draw(x, y, picture);
    RestoreDC(canvas_.Handle(), saved);
  }
  if (!FindMarkupAttribute(attributes, "BGCOLOR", value)) return;
  const std::optional<TColor> color = BodyBackgroundColor(value);
  if (!color) return;
  const TColor pen = canvas_.Pen()->Color();
  SetBrushColor(*color);
  fontBackground_ = *color;
  canvas_.Pen()->SetColor(*color);
  canvas_.Rectangle(r);
  canvas_.Pen()->SetColor(pen);
}
