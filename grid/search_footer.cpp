// TSearchFooter and TSearchPanel; see search_footer.h.
#include "grid/search_footer.h"

#include <memory>
#include <utility>

#include "grid/cell_drawing.h"
#include "grid/pro_grid_button.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/font.h"
#include "platform/user/resource_bitmap.h"

// The search bar's glyphs (grid/resources/draw_glyphs.py draws them).
#include "PSGARDOWN.res.inc"
#include "PSGARDOWND.res.inc"
#include "PSGARUP.res.inc"
#include "PSGARUPD.res.inc"
#include "PSGCLOSE.res.inc"
#include "PSGCLOSED.res.inc"
#include "PSGCLOSEH.res.inc"
#include "PSGHI.res.inc"
#include "PSGHID.res.inc"

namespace {

constexpr Integer kGradientSteps = 32;
constexpr Integer kTextButtonHeight = 23;
constexpr Integer kCheckBoxHeight = 17;
constexpr Integer kCheckBoxLeft = 425;
constexpr Integer kCheckBoxLeftWithoutHighlight = 330;

// The named bitmap resource; empty when the program lacks it.
std::unique_ptr<TBitmap> ResourceGlyph(const char* Name) {
  auto glyph = std::make_unique<TBitmap>();
  if (HBITMAP handle = LoadBitmapA(nullptr, Name)) glyph->SetHandle(handle);
  return glyph;
}

}   // namespace

// ---- TSearchFooter ----

PR_PUBLISH(TSearchFooter) {
  p.Property("AutoSearch", &TSearchFooter::AutoSearch, &TSearchFooter::SetAutoSearch).Default(true);
  p.Property("Color", &TSearchFooter::Color, &TSearchFooter::SetColor).Default(clWhite);
  p.Property("ColorTo", &TSearchFooter::ColorTo, &TSearchFooter::SetColorTo).Default(clBtnFace);
  p.Property("FindNextCaption", &TSearchFooter::FindNextCaption, &TSearchFooter::SetFindNextCaption);
  p.Property("FindPrevCaption", &TSearchFooter::FindPrevCaption, &TSearchFooter::SetFindPrevCaption);
  p.Property("Font", &TSearchFooter::Font, &TSearchFooter::SetFont);
  p.Property("HighLightCaption", &TSearchFooter::HighLightCaption, &TSearchFooter::SetHighLightCaption);
  p.Property("HintClose", &TSearchFooter::HintClose, &TSearchFooter::SetHintClose);
  p.Property("HintFindNext", &TSearchFooter::HintFindNext, &TSearchFooter::SetHintFindNext);
  p.Property("HintFindPrev", &TSearchFooter::HintFindPrev, &TSearchFooter::SetHintFindPrev);
  p.Property("HintHighlight", &TSearchFooter::HintHighlight, &TSearchFooter::SetHintHighlight);
  p.Property("MatchCaseCaption", &TSearchFooter::MatchCaseCaption, &TSearchFooter::SetMatchCaseCaption);
  p.Property("SearchActiveColumnOnly", &TSearchFooter::SearchActiveColumnOnly,
             &TSearchFooter::SetSearchActiveColumnOnly)
      .Default(false);
  p.Property("SearchColumn", &TSearchFooter::SearchColumn, &TSearchFooter::SetSearchColumn).Default(-1);
  p.Property("ShowClose", &TSearchFooter::ShowClose, &TSearchFooter::SetShowClose).Default(true);
  p.Property("ShowFindNext", &TSearchFooter::ShowFindNext, &TSearchFooter::SetShowFindNext).Default(true);
  p.Property("ShowFindPrev", &TSearchFooter::ShowFindPrev, &TSearchFooter::SetShowFindPrev).Default(true);
  p.Property("ShowHighLight", &TSearchFooter::ShowHighLight, &TSearchFooter::SetShowHighLight).Default(true);
  p.Property("ShowMatchCase", &TSearchFooter::ShowMatchCase, &TSearchFooter::SetShowMatchCase).Default(true);
  p.Property("Visible", &TSearchFooter::Visible, &TSearchFooter::SetVisible).Default(false);
  p.Property("OnChange", &TSearchFooter::OnChange);
}

TSearchFooter::TSearchFooter() : font_(std::make_unique<TFont>()) {}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TSearchFooter*>(Source);
  if (source == nullptr) return;
  color_ = source->color_;
  colorTo_ = source->colorTo_;
  findNextCaption_ = source->findNextCaption_;
  findPrevCaption_ = source->findPrevCaption_;
  highLightCaption_ = source->highLightCaption_;
  matchCaseCaption_ = source->matchCaseCaption_;
  hintClose_ = source->hintClose_;
  hintFindNext_ = source->hintFindNext_;
  hintFindPrev_ = source->hintFindPrev_;
  hintHighlight_ = source->hintHighlight_;
  showClose_ = source->showClose_;
  showFindNext_ = source->showFindNext_;
  showFindPrev_ = source->showFindPrev_;
  showHighLight_ = source->showHighLight_;
  showMatchCase_ = source->showMatchCase_;
  searchActiveColumnOnly_ = source->searchActiveColumnOnly_;
  searchColumn_ = source->searchColumn_;
  visible_ = source->visible_;
  font_->Assign(source->font_.get());
}

void TSearchFooter::SetAndChange(std::string& Field, const std::string& Value) {
  Field = Value;
  Changed();
}

void TSearchFooter::SetIfChanged(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TSearchFooter::SetColor(TColor Value) {
  color_ = Value;
  Changed();
}

void TSearchFooter::SetColorTo(TColor Value) {
  colorTo_ = Value;
  Changed();
}

void TSearchFooter::SetFont(TFont* Value) {
  font_->Assign(Value);
  Changed();
}

void TSearchFooter::SetFindNextCaption(const std::string& Value) { SetAndChange(findNextCaption_, Value); }
void TSearchFooter::SetFindPrevCaption(const std::string& Value) { SetAndChange(findPrevCaption_, Value); }
void TSearchFooter::SetHighLightCaption(const std::string& Value) { SetAndChange(highLightCaption_, Value); }
void TSearchFooter::SetMatchCaseCaption(const std::string& Value) { SetAndChange(matchCaseCaption_, Value); }
void TSearchFooter::SetHintClose(const std::string& Value) { SetAndChange(hintClose_, Value); }
void TSearchFooter::SetHintFindNext(const std::string& Value) { SetAndChange(hintFindNext_, Value); }
void TSearchFooter::SetHintFindPrev(const std::string& Value) { SetAndChange(hintFindPrev_, Value); }
void TSearchFooter::SetHintHighlight(const std::string& Value) { SetAndChange(hintHighlight_, Value); }

void TSearchFooter::SetShowClose(bool Value) {
  showClose_ = Value;
  Changed();
}

void TSearchFooter::SetShowFindNext(bool Value) { SetIfChanged(showFindNext_, Value); }
void TSearchFooter::SetShowFindPrev(bool Value) { SetIfChanged(showFindPrev_, Value); }
void TSearchFooter::SetShowHighLight(bool Value) { SetIfChanged(showHighLight_, Value); }
void TSearchFooter::SetShowMatchCase(bool Value) { SetIfChanged(showMatchCase_, Value); }
void TSearchFooter::SetVisible(bool Value) { SetIfChanged(visible_, Value); }

void TSearchFooter::SetAutoThemeAdapt(bool Value) {
  autoThemeAdapt_ = Value;
  Changed();
}

// ---- TSearchPanel ----

PR_PUBLISH(TSearchPanel) {
  p.Property("ColorTo", &TSearchPanel::ColorTo, &TSearchPanel::SetColorTo).Default(clNone);
  p.Property("OnForwardClick", &TSearchPanel::OnForwardClick);
  p.Property("OnBackwardClick", &TSearchPanel::OnBackwardClick);
  p.Property("OnEditChange", &TSearchPanel::OnEditChange);
  p.Property("OnHighlightClick", &TSearchPanel::OnHighlightClick);
  p.Property("OnExitClick", &TSearchPanel::OnExitClick);
}

TSearchPanel::TSearchPanel(TComponent* AOwner) : TCustomPanel(AOwner) {
  SetAlign(alBottom);
  SetHeight(0);
  SetPanelBorderWidth(0);
  edit_ = new TEdit(this);
  edit_->SetParent(this);
  edit_->OnChange.Bind(this, &TSearchPanel::EditChanged);
  forward_ = NewButton(140, 5, 90, kTextButtonHeight);
  backward_ = NewButton(235, 5, 90, kTextButtonHeight);
  highlight_ = NewButton(330, 5, 90, kTextButtonHeight);
  close_ = NewButton(5, 7, 14, 14);
  matchCase_ = new TCheckBox(this);
  matchCase_->SetParent(this);
  matchCase_->SetTop(8);
  forward_->OnClick.Bind(this, &TSearchPanel::ForwardClicked);
  backward_->OnClick.Bind(this, &TSearchPanel::BackwardClicked);
  highlight_->OnClick.Bind(this, &TSearchPanel::HighlightClicked);
  close_->OnClick.Bind(this, &TSearchPanel::ExitClicked);
  for (TProGridButton* button : {forward_, backward_, highlight_}) button->SetEnabled(false);
  highlight_->SetStyle(tasCheck);
  highlight_->Font()->SetStyle({});
  // The disabled glyphs first: Glyph makes a grey copy only while GlyphDisabled is empty.
  const std::pair<TProGridButton*, const char*> disabled[] = {
      {forward_, "PSGARDOWND"}, {backward_, "PSGARUPD"}, {highlight_, "PSGHID"}};
  for (const auto& [button, name] : disabled) button->SetGlyphDisabled(ResourceGlyph(name).get());
  const std::pair<TProGridButton*, const char*> glyphs[] = {
      {forward_, "PSGARDOWN"}, {backward_, "PSGARUP"}, {highlight_, "PSGHI"}, {close_, "PSGCLOSE"}};
  for (const auto& [button, name] : glyphs) button->SetGlyph(ResourceGlyph(name).get());
  close_->SetGlyphHot(ResourceGlyph("PSGCLOSEH").get());
  close_->SetGlyphDown(ResourceGlyph("PSGCLOSED").get());
}

TProGridButton* TSearchPanel::NewButton(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  auto* button = new TProGridButton(this);
  button->SetParent(this);
  button->SetBounds(ALeft, ATop, AWidth, AHeight);
  button->SetParentFont(true);
  return button;
}

void TSearchPanel::CreateWnd() {
  inherited::CreateWnd();
  edit_->SetBounds(25, 6, 110, edit_->Height());
  ApplyTexts();
  ApplyLayout();
}

void TSearchPanel::ApplyTexts() {
  forward_->SetCaption(FindNextCaption);
  backward_->SetCaption(FindPrevCaption);
  highlight_->SetCaption(HighLightCaption);
  matchCase_->SetCaption(MatchCaseCaption);
  const std::pair<TProGridButton*, const std::string*> hints[] = {
      {forward_, &HintFindNext}, {backward_, &HintFindPrev}, {close_, &HintClose}, {highlight_, &HintHighlight}};
  for (const auto& [button, hint] : hints) {
    button->SetHint(*hint);
    button->SetShowHint(!hint->empty());
  }
}

void TSearchPanel::ApplyLayout() {
  matchCase_->SetLeft(highlight_->Visible() ? kCheckBoxLeft : kCheckBoxLeftWithoutHighlight);
  for (TProGridButton* button : {forward_, backward_, highlight_})
    button->SetHeight(button->Visible() ? kTextButtonHeight : 0);
  matchCase_->SetHeight(matchCase_->Visible() ? kCheckBoxHeight : 0);
}

void TSearchPanel::EditChanged(TObject*) {
  const bool hasText = !edit_->Text().empty();
  for (TProGridButton* button : {forward_, backward_, highlight_}) button->SetEnabled(hasText);
  OnEditChange(this);
}

void TSearchPanel::SetColorTo(TColor Value) {
  colorTo_ = Value;
  Invalidate();
}

void TSearchPanel::Paint() {
  inherited::Paint();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->Pen()->SetColor(Color());
  if (colorTo_ == clNone)
    Canvas()->Rectangle(ClientRect());
  else
    DrawGradient(Canvas(), Color(), colorTo_, kGradientSteps, ClientRect(), false);
}
