#include "platform/ui/header_control.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/user/owner_draw.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/header_window.h"

namespace {

int AlignmentFormat(TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify: return HDF_RIGHT;
    case taCenter: return HDF_CENTER;
    case taLeftJustify: break;
  }
  return HDF_LEFT;
}

TSectionTrackState TrackState(UINT code) {
  if (code == HDN_BEGINTRACKA) return tsTrackBegin;
  if (code == HDN_TRACKA) return tsTrackMove;
  return tsTrackEnd;
}

}  // namespace

PR_PUBLISH(THeaderSection) {
  p.Property("Alignment", &THeaderSection::Alignment, &THeaderSection::SetAlignment).Default(taLeftJustify);
  p.Property("AllowClick", &THeaderSection::AllowClick, &THeaderSection::SetAllowClick).Default(true);
  p.Property("MaxWidth", &THeaderSection::MaxWidth, &THeaderSection::SetMaxWidth).Default(10000);
  p.Property("MinWidth", &THeaderSection::MinWidth, &THeaderSection::SetMinWidth).Default(0);
  p.Property("Style", &THeaderSection::Style, &THeaderSection::SetStyle).Default(hsText);
  p.Property("Text", &THeaderSection::Text, &THeaderSection::SetText);
  p.Property("Width", &THeaderSection::Width, &THeaderSection::SetWidth);
}

PR_IMPLEMENT_CLASS(THeaderSections)

PR_PUBLISH(THeaderControl) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  PublishConstraints(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("HotTrack", &THeaderControl::HotTrack, &THeaderControl::SetHotTrack).Default(false);
  p.Property("Sections", &THeaderControl::Sections, &THeaderControl::SetSections);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishVisible(p);
  p.Property("OnDrawSection", &THeaderControl::OnDrawSection);
  p.Property("OnSectionClick", &THeaderControl::OnSectionClick);
  p.Property("OnSectionResize", &THeaderControl::OnSectionResize);
  p.Property("OnSectionTrack", &THeaderControl::OnSectionTrack);
}

// --- THeaderSection ---

// The collection heard of this section from the base constructor, before it was whole: tell it
// again now.
THeaderSection::THeaderSection(TCollection* Collection) : TCollectionItem(Collection) { Changed(false); }

template <class T>
void THeaderSection::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed(false);
}

void THeaderSection::SetAlignment(TAlignment Value) { Change(alignment_, Value); }
void THeaderSection::SetAllowClick(bool Value) { allowClick_ = Value; }
void THeaderSection::SetStyle(THeaderSectionStyle Value) { Change(style_, Value); }
void THeaderSection::SetText(const std::string& Value) { Change(text_, Value); }

void THeaderSection::SetMaxWidth(Integer Value) {
  maxWidth_ = std::max(Value, minWidth_);
  SetWidth(width_);
}

void THeaderSection::SetMinWidth(Integer Value) {
  minWidth_ = std::clamp(Value, Integer(0), maxWidth_);
  SetWidth(width_);
}

void THeaderSection::SetWidth(Integer Value) { Change(width_, std::clamp(Value, minWidth_, maxWidth_)); }

Integer THeaderSection::Left() const {
  Integer left = 0;
  for (Integer i = 0; i < Index(); ++i) left += static_cast<THeaderSection*>(Collection()->Items(i))->Width();
  return left;
}

void THeaderSection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<THeaderSection*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  alignment_ = source->alignment_;
  allowClick_ = source->allowClick_;
  maxWidth_ = source->maxWidth_;
  minWidth_ = source->minWidth_;
  style_ = source->style_;
  text_ = source->text_;
  width_ = source->width_;
  Changed(false);
}

// --- THeaderSections ---

THeaderSections::THeaderSections(THeaderControl* HeaderControl)
    : TCollection(THeaderSection::StaticClass()), header_(HeaderControl) {}

TPersistent* THeaderSections::GetOwner() const { return header_; }

void THeaderSections::Update(TCollectionItem*) { header_->UpdateSections(); }

// --- THeaderControl ---

THeaderControl::THeaderControl(TComponent* AOwner)
    : TWinControl(AOwner), sections_(std::make_unique<THeaderSections>(this)), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
  SetControlStyle({});
  SetAlign(alTop);
  SetBounds(Left(), Top(), 170, 17);
}

THeaderControl::~THeaderControl() = default;

void THeaderControl::SetHotTrack(bool Value) {
  if (hotTrack_ == Value) return;
  hotTrack_ = Value;
  RecreateWndIfAllocated();
}

void THeaderControl::CreateParams(TCreateParams& Params) {
  RegisterHeaderClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, kHeaderClassName);
  Params.Style |= HDS_BUTTONS | HDS_FULLDRAG;
  if (hotTrack_) Params.Style |= HDS_HOTTRACK;
}

void THeaderControl::CreateWnd() {
  inherited::CreateWnd();
  UpdateSections();
}

void THeaderControl::UpdateSections() {
  if (!HandleAllocated() || updatingFromWindow_) return;
  HWND w = Handle();
  while (SendMessageA(w, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageA(w, HDM_DELETEITEM, 0, 0);
  for (Integer i = 0; i < sections_->Count(); ++i) {
    // A section still being constructed is not one yet; it reports itself when whole.
    auto* section = dynamic_cast<THeaderSection*>(sections_->TCollection::Items(i));
    if (section == nullptr) continue;
    HDITEMA item{};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    item.cxy = section->Width();
    item.pszText = section->text_.data();
    item.fmt = AlignmentFormat(section->Alignment()) | (section->Style() == hsOwnerDraw ? HDF_OWNERDRAW : HDF_STRING);
    SendMessageA(w, HDM_INSERTITEMA, WPARAM(i), LPARAM(&item));
  }
}

void THeaderControl::SectionClick(THeaderSection* Section) { OnSectionClick(this, Section); }
void THeaderControl::SectionResize(THeaderSection* Section) { OnSectionResize(this, Section); }
void THeaderControl::SectionTrack(THeaderSection* Section, Integer Width, TSectionTrackState State) {
  OnSectionTrack(this, Section, Width, State);
}
void THeaderControl::DrawSection(THeaderSection* Section, const TRect& Rect, bool Pressed) {
  OnDrawSection(this, Section, Rect, Pressed);
}

void THeaderControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: return CNNotify(Message);
    case CN_DRAWITEM: return CNDrawItem(Message);
    default: return inherited::Dispatch(Message);
  }
}

void THeaderControl::CNNotify(TMessage& Message) {
  auto& header = *reinterpret_cast<NMHEADERA*>(Message.LParam);
  Message.Result = 0;
  if (header.iItem < 0 || header.iItem >= sections_->Count()) return;
  THeaderSection* section = sections_->Items(header.iItem);
  switch (header.hdr.code) {
    case HDN_ITEMCLICKA:
      if (section->AllowClick()) SectionClick(section);
      return;
    case HDN_TRACKA:
      header.pitem->cxy = std::clamp(header.pitem->cxy, section->MinWidth(), section->MaxWidth());
      [[fallthrough]];
    case HDN_BEGINTRACKA:
    case HDN_ENDTRACKA:
      SectionTrack(section, header.pitem->cxy, TrackState(header.hdr.code));
      return;
    case HDN_ITEMCHANGEDA:
      if (header.pitem == nullptr || (header.pitem->mask & HDI_WIDTH) == 0) return;
      updatingFromWindow_ = true;
      section->SetWidth(header.pitem->cxy);
      updatingFromWindow_ = false;
      SectionResize(section);
      return;
  }
}

TCanvas* THeaderControl::Canvas() const { return canvas_.get(); }

void THeaderControl::CNDrawItem(TMessage& Message) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  if (Integer(item.itemID) >= sections_->Count()) return;
  canvas_->PaintOn(item.hDC, [&] {
    canvas_->Font()->Assign(Font());
    canvas_->Brush()->SetColor(clBtnFace);
    canvas_->Brush()->SetStyle(bsSolid);
    DrawSection(sections_->Items(Integer(item.itemID)), item.rcItem, (item.itemState & ODS_SELECTED) != 0);
  });
  Message.Result = 1;
}
