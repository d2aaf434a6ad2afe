#include "platform/ui/image.h"

#include "platform/core/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/icon.h"
#include "platform/ui/picture.h"

PR_PUBLISH(TImage) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishAutoSize(p);
  p.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  PublishConstraints(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("IncrementalDisplay", &TImage::IncrementalDisplay, &TImage::SetIncrementalDisplay).Default(false);
  PublishParentShowHint(p);
  p.Property("Picture", &TImage::Picture, &TImage::SetPicture);
  PublishPopupMenu(p);
  p.Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
  PublishShowHint(p);
  p.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
  p.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishMouseEvents(p);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>()) {
  SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
  picture_->OnChange.Bind(this, &TImage::PictureChanged);
  SetBounds(Left(), Top(), 105, 105);
}

TImage::~TImage() = default;

void TImage::SetPicture(TPicture* Value) { picture_->Assign(Value); }

void TImage::SetCenter(bool Value) {
  if (center_ == Value) return;
  center_ = Value;
  PictureChanged(this);
}

void TImage::SetStretch(bool Value) {
  if (stretch_ == Value) return;
  stretch_ = Value;
  PictureChanged(this);
}

void TImage::SetProportional(bool Value) {
  if (proportional_ == Value) return;
  proportional_ = Value;
  PictureChanged(this);
}

void TImage::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  PictureChanged(this);
}

TCanvas* TImage::Canvas() {
  if (picture_->Graphic() == nullptr) {
    auto* bitmap = picture_->Bitmap();
    bitmap->SetSize(Width(), Height());
  }
  auto* bitmap = dynamic_cast<TBitmap*>(picture_->Graphic());
  if (bitmap == nullptr) throw EInvalidOperation("Can only modify an image if it contains a bitmap");
  return bitmap->Canvas();
}

TRect TImage::DestRect() {
  Integer w = picture_->Width(), h = picture_->Height();
  const Integer cw = ClientWidth(), ch = ClientHeight();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      const double aspect = double(w) / double(h);
      if (w > h) {
        w = cw;
        h = Integer(cw / aspect);
        if (h > ch) {
          h = ch;
          w = Integer(ch * aspect);
        }
      } else {
        h = ch;
        w = Integer(ch * aspect);
        if (w > cw) {
          w = cw;
          h = Integer(cw / aspect);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect result{0, 0, w, h};
  if (center_) OffsetRect(&result, (cw - w) / 2, (ch - h) / 2);
  return result;
}

void TImage::Paint() {
  TCanvas* canvas = TGraphicControl::Canvas();
  if (ComponentState().Contains(csDesigning)) {
    canvas->Pen()->SetStyle(psDash);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, Width(), Height());
  }
  const bool saved = drawing_;
  drawing_ = true;
  canvas->StretchDraw(DestRect(), picture_->Graphic());
  drawing_ = saved;
}

bool TImage::CanAutoSize(Integer& NewWidth, Integer& NewHeight) {
  if (picture_->Width() > 0 && picture_->Height() > 0) {
    if (Align() != alTop && Align() != alBottom) NewWidth = picture_->Width();
    if (Align() != alLeft && Align() != alRight) NewHeight = picture_->Height();
  }
  return true;
}

void TImage::PictureChanged(TObject*) {
  if (AutoSize() && picture_->Width() > 0 && picture_->Height() > 0)
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  TGraphic* graphic = picture_->Graphic();
  bool opaque = false;
  if (graphic != nullptr) {
    if (dynamic_cast<TIcon*>(graphic) == nullptr) graphic->SetTransparent(transparent_);
    const TRect dest = DestRect();
    opaque = !graphic->Transparent() && dest.Left <= 0 && dest.Top <= 0 && dest.Right >= Width() &&
             dest.Bottom >= Height();
  }
  if (opaque) SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  else SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
  if (!drawing_) Invalidate();
}
