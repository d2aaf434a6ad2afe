#include "platform/ui/status_bar.h"

#include "platform/classes/publisher.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/form.h"
#include "platform/user/system_metrics.h"

namespace {

constexpr Integer kPanelTop = 2;    // pixels between the bar's top and its panels
constexpr Integer kPanelGap = 2;    // pixels after each panel but the last
constexpr Integer kTextInset = 2;   // pixels between a panel's frame and its text

UINT BevelEdge(TStatusPanelBevel Bevel) {
  switch (Bevel) {
    case pbLowered: return BDR_SUNKENOUTER;
    case pbRaised: return BDR_RAISEDINNER;
    case pbNone: break;
  }
  return 0;
}

UINT AlignmentFormat(TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    case taLeftJustify: break;
  }
  return DT_LEFT;
}

}  // namespace

PR_PUBLISH(TStatusPanel) {
  p.Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
  p.Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
  p.Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
  p.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
  p.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50);
}

PR_IMPLEMENT_CLASS(TStatusPanels)

PR_PUBLISH(TStatusBar) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  PublishColor(p);
  PublishConstraints(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
  PublishParentColor(p, false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
  p.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
  p.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishMouseEvents(p);
  p.Property("OnDrawPanel", &TStatusBar::OnDrawPanel);
}

// --- TStatusPanel ---

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

template <class T>
void TStatusPanel::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed(false);
}

void TStatusPanel::SetAlignment(TAlignment Value) { Change(alignment_, Value); }
void TStatusPanel::SetBevel(TStatusPanelBevel Value) { Change(bevel_, Value); }
void TStatusPanel::SetStyle(TStatusPanelStyle Value) { Change(style_, Value); }
void TStatusPanel::SetText(const std::string& Value) { Change(text_, Value); }
void TStatusPanel::SetWidth(Integer Value) { Change(width_, Value < 0 ? 0 : Value); }

void TStatusPanel::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStatusPanel*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  alignment_ = source->alignment_;
  bevel_ = source->bevel_;
  style_ = source->style_;
  text_ = source->text_;
  width_ = source->width_;
  Changed(false);
}

// --- TStatusPanels ---

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(TStatusPanel::StaticClass()), statusBar_(StatusBar) {}

TPersistent* TStatusPanels::GetOwner() const { return statusBar_; }

void TStatusPanels::Update(TCollectionItem*) { statusBar_->Invalidate(); }

// --- TStatusBar ---

TStatusBar::TStatusBar(TComponent* AOwner)
    : TCustomControl(AOwner), panels_(std::make_unique<TStatusPanels>(this)) {
  SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 150, 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool Value) {
  if (simplePanel_ == Value) return;
  simplePanel_ = Value;
  Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& Value) {
  if (simpleText_ == Value) return;
  simpleText_ = Value;
  if (simplePanel_) Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value) {
  if (sizeGrip_ == Value) return;
  sizeGrip_ = Value;
  Invalidate();
}

bool TStatusBar::ShowsSizeGrip() const {
  auto* form = dynamic_cast<TCustomForm*>(Parent());
  return sizeGrip_ && form != nullptr &&
         (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
}

TRect TStatusBar::PanelRect(Integer Index) {
  const TRect client = ClientRect();
  const Integer right = client.Right - (ShowsSizeGrip() ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  if (Index < 0) return TRect{0, kPanelTop, client.Right, client.Bottom};
  Integer left = 0;
  for (Integer i = 0; i < Index; ++i) left += panels_->Items(i)->Width();
  const bool last = Index == panels_->Count() - 1;
  const Integer end = last ? right : std::min(left + panels_->Items(Index)->Width() - kPanelGap, right);
  return TRect{left, kPanelTop, std::max(left, end), client.Bottom};
}

void TStatusBar::PaintPanel(TRect Rect, TStatusPanelBevel Bevel, const std::string& Text, TAlignment Alignment,
                            TStatusPanel* OwnerDrawn) {
  const UINT edge = BevelEdge(Bevel);
  if (edge != 0) DrawEdge(Canvas()->Handle(), &Rect, edge, BF_RECT | BF_ADJUST);
  if (OwnerDrawn != nullptr) return DrawPanel(OwnerDrawn, Rect);
  InflateRect(&Rect, -kTextInset, 0);
  Canvas()->Brush()->SetStyle(bsClear);
  Canvas()->RequiredState({csHandleValid, csFontValid, csBrushValid});
  const UINT format = AlignmentFormat(Alignment) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  DrawTextA(Canvas()->Handle(), Text.data(), int(Text.size()), &Rect, UINT(DrawTextBiDiModeFlags(Integer(format))));
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) {
  if (OnDrawPanel) OnDrawPanel(this, Panel, Rect);
}

void TStatusBar::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  if (simplePanel_) {
    PaintPanel(PanelRect(-1), pbLowered, simpleText_, taLeftJustify, nullptr);
  } else {
    for (Integer i = 0; i < panels_->Count(); ++i) {
      TStatusPanel* panel = panels_->Items(i);
      canvas->Brush()->SetStyle(bsSolid);
      PaintPanel(PanelRect(i), panel->Bevel(), panel->Text(), panel->Alignment(),
                 panel->Style() == psOwnerDraw ? panel : nullptr);
    }
  }
  if (!ShowsSizeGrip()) return;
  const TRect client = ClientRect();
  const Integer size = GetSystemMetrics(SM_CXVSCROLL);
  TRect grip{client.Right - size, client.Bottom - size, client.Right, client.Bottom};
  DrawFrameControl(canvas->Handle(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}
