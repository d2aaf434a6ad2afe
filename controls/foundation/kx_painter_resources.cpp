#include "controls/foundation/kx_painter_resources.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kx_graphics_routines.h"
#include "controls/foundation/kx_office11_painter.h"
#include "controls/foundation/kx_system_palette.h"
#include "platform/core/ansi_strings.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/system_bitmaps.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/image_list.h"
#include "platform/user/module_instance.h"
#include "platform/user/resource_bitmap.h"

#include "KX_ARROWBITMAP.res.inc"
#include "KX_EDITBITMAP.res.inc"
#include "KX_FILTERBITMAP.res.inc"
#include "KX_INSERTBITMAP.res.inc"
#include "KX_MULTIARROWBITMAP.res.inc"
#include "KX_MULTIDOTBITMAP.res.inc"

// Skin-painter registry.

void TkxExtendedStylePainters::AttachListener(IkxSkinPainterListener* Listener) {
  if (std::find(listeners_.begin(), listeners_.end(), Listener) == listeners_.end()) listeners_.push_back(Listener);
}

void TkxExtendedStylePainters::DetachListener(IkxSkinPainterListener* Listener) {
  std::erase(listeners_, Listener);
}

Integer TkxExtendedStylePainters::IndexOfName(const std::string& Name, TEntry*& Entry) const {
  Entry = nullptr;
  for (Integer i = 0; i < Count(); ++i) {
    Entry = GetEntry(i);
    if (SameText(Entry->Name, Name)) return i;
  }
  return -1;
}

bool TkxExtendedStylePainters::FindPainterByName(const std::string& Name, TkxLookAndFeelPainterClass& Painter) const {
  TEntry* entry = nullptr;
  if (IndexOfName(Name, entry) < 0) return false;
  Painter = entry->Painter;
  return true;
}

namespace {

struct TPainterResources {
  std::unique_ptr<TkxExtendedStylePainters> registry;
  std::unique_ptr<TImageList> indicators;
  std::unique_ptr<TBitmap> trackPatterns[2];
  std::unique_ptr<TkxSystemPaletteChangedNotifier> notifier;
  std::unique_ptr<TkxRadioButtonImageList> radioButtons;
  TSize checkBoxSize{};
};

TPainterResources& Resources() {
  static TPainterResources resources;
  return resources;
}

constexpr TColor kBlack = 0, kWhite = 0xFFFFFF;

// A 32-bit bitmap of the size filled with Color.
std::unique_ptr<TBitmap> FilledBitmap(Integer Width, Integer Height, TColor Color, TPixelFormat Format = pf32bit) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(Format);
  bitmap->SetSize(Width, Height);
  bitmap->Canvas()->Brush()->SetColor(Color);
  bitmap->Canvas()->FillRect({0, 0, Width, Height});
  return bitmap;
}

bool IsBlack(TCanvas* Canvas, Integer X, Integer Y) { return (ColorToRGB(Canvas->Pixels(X, Y)) & 0xFFFFFF) == 0; }

// The bitmap's black pixels after Draw ran on its canvas, as a W x H grid of flags.
template <typename DrawFn>
std::vector<bool> BlackPixels(Integer W, Integer H, DrawFn Draw) {
  const auto bitmap = FilledBitmap(W, H, kWhite);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Pen()->SetColor(kBlack);
  Draw(canvas);
  std::vector<bool> black(std::size_t(W) * H);
  for (Integer y = 0; y < H; ++y)
    for (Integer x = 0; x < W; ++x) black[std::size_t(y) * W + x] = IsBlack(canvas, x, y);
  return black;
}

// The check-box bitmap's cell: (width div 4, height div 3) of OBM_CHECKBOXES.
TSize MeasureCheckBoxCell() {
  const HBITMAP bitmap = LoadSystemBitmap(OBM_CHECKBOXES);
  if (bitmap == nullptr) return {0, 0};
  BITMAP info{};
  GetObject(bitmap, sizeof(info), &info);
  DeleteObject(bitmap);
  return {info.bmWidth / 4, info.bmHeight / 3};
}

TColor ChooseRadioBodyColor(TkxLookAndFeelKind Kind, TkxButtonState State) {
  if (Kind == lfOffice11)
    return State == kxbsNormal ? clWindow : TkxOffice11LookAndFeelPainter::Class()->GetButtonFaceColor(State);
  if (State == kxbsDisabled) return clBtnFace;
  if (Kind == lfUltraFlat) {
    if (State == kxbsHot) return GetHotHighlightColor();
    if (State == kxbsPressed) return GetPressedHighlightColor();
    return clWindow;
  }
  return State == kxbsPressed ? clBtnFace : clWindow;
}

// The colours of the seven pattern roles for one variant.
std::array<TColor, 7> BuildRadioColorMap(TkxLookAndFeelKind Kind, TkxButtonState State, bool Checked,
                                         bool Designing, bool Focused) {
  const TColor body = ChooseRadioBodyColor(Kind, State);
  const bool disabled = State == kxbsDisabled;
  const bool lit = Focused || State == kxbsHot || State == kxbsPressed || Designing;
  std::array<TColor, 7> colors{kBlack, clBtnShadow, clBtnHighlight, body, body, body, body};
  switch (Kind) {
    case lfFlat: colors[3] = colors[4] = cl3DLight; break;
    case lfStandard:
      colors[3] = cl3DDkShadow;
      colors[4] = cl3DLight;
      break;
    case lfUltraFlat: colors[1] = colors[2] = lit && !disabled ? clHighlight : clBtnShadow; break;
    case lfOffice11: colors[1] = colors[2] = disabled ? Office11Color31 : lit ? Office11Color21 : clBtnText; break;
  }
  if (Checked) colors[6] = !disabled ? clWindowText : Kind == lfOffice11 ? Office11Color31 : clBtnShadow;
  return colors;
}

// The glyph's shapes: corners as large as the box give the platform's ellipse, the very outline of
// its own radio button (a corner one pixel smaller would flatten the sides).
void RoundRectOnCanvas(TCanvas* Canvas, const TRect& R, Integer CornerW, Integer CornerH) {
  Canvas->RoundRect(R.Left, R.Top, R.Right, R.Bottom, CornerW, CornerH);
}

}  // namespace

TkxExtendedStylePainters* GetSkinPainterRegistry() { return Resources().registry.get(); }

// Radio-button glyphs.

TkxRadioButtonImageList::TkxRadioButtonImageList() {
  Measure();
  BuildPattern();
  BuildMask();
  images_ = std::make_unique<TImageList>(nullptr, width_, height_);
  images_->SetMasked(true);
  images_->SetImageType(itImage);
  BuildImages();
}

TkxRadioButtonImageList::~TkxRadioButtonImageList() = default;

TCustomImageList* TkxRadioButtonImageList::Images() const { return images_.get(); }

void TkxRadioButtonImageList::Measure() {
  cell_ = MeasureCheckBoxCell();
  const Integer cw = cell_.cx, ch = cell_.cy;
  // The glyph: the columns and rows of the mask that hold a black pixel.
  const auto mask = BlackPixels(cw, ch, [&](TCanvas* c) {
    c->Brush()->SetColor(kBlack);
    c->FillRect({0, 0, cw, ch});
    TRect r{0, 0, cw, ch};
    DrawFrameControl(c->Handle(), &r, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
  });
  Integer left = -1, top = -1;
  for (Integer x = 0; x < cw; ++x)
    for (Integer y = 0; y < ch; ++y)
      if (mask[std::size_t(y) * cw + x]) {
        if (left < 0) left = x;
        ++width_;
        break;
      }
  for (Integer y = 0; y < ch; ++y)
    for (Integer x = 0; x < cw; ++x)
      if (mask[std::size_t(y) * cw + x]) {
        if (top < 0) top = y;
        ++height_;
        break;
      }
  origin_ = {std::max(left, 0), std::max(top, 0)};
  // The dot: walks over the checked image, each stopping at the cell's edge.
  const auto image = FilledBitmap(cw, ch, kBlack);
  TRect r{0, 0, cw, ch};
  DrawFrameControl(image->Canvas()->Handle(), &r, DFC_BUTTON, DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED | DFCS_FLAT);
  const COLORREF dotColor = ColorToRGB(clWindowText) & 0xFFFFFF;
  auto isDot = [&](Integer x, Integer y) {
    return x >= 0 && y >= 0 && x < cw && y < ch && (ColorToRGB(image->Canvas()->Pixels(x, y)) & 0xFFFFFF) == dotColor;
  };
  Integer x = origin_.X + width_ / 2 - 1, y = origin_.Y + height_ / 2 - 2;
  while (isDot(x, y)) --y;
  dot_.Top = y + 2;
  y = dot_.Top;
  while (isDot(x, y)) ++y;
  dot_.Bottom = y;
  x = origin_.X + width_ / 2 - 2;
  y = origin_.Y + height_ / 2 - 1;
  while (isDot(x, y)) --x;
  dot_.Left = x + 2;
  x = dot_.Left;
  while (isDot(x, y)) ++x;
  dot_.Right = x;
}

void TkxRadioButtonImageList::BuildPattern() {
  const Integer W = width_, H = height_;
  pattern_.assign(std::size_t(W) * H, 0);
  if (W <= 0 || H <= 0) return;
  auto at = [&](Integer x, Integer y) -> Byte& { return pattern_[std::size_t(y) * W + x]; };
  const auto outline = BlackPixels(W, H, [&](TCanvas* c) {
    c->Brush()->SetStyle(bsClear);
    RoundRectOnCanvas(c, {0, 0, W, H}, W, H);
  });
  for (Integer y = 0; y < H; ++y)
    for (Integer x = 0; x < W; ++x)
      if (outline[std::size_t(y) * W + x]) at(x, y) = (H - 1) * (W - x - 1) < y * (W - 1) ? 2 : 1;

  // Interior: filled outward from the middle until the outline.
  for (Integer y = 1; y <= H - 2; ++y) {
    for (Integer x = W / 2 - 1; x >= 0 && at(x, y) == 0; --x) at(x, y) = 5;
    for (Integer x = W / 2; x < W && at(x, y) == 0; ++x) at(x, y) = 5;
  }
  auto mark = [&](Integer x, Integer y) {
    const Integer a = (W - x - 1) * (H - 1), b = (W - 1) * y;
    at(x, y) = a < b || (a == b && x > W / 2 - 1) ? 4 : 3;
  };
  auto isOutline = [&](Integer x, Integer y) { return at(x, y) == 1 || at(x, y) == 2; };
  // Walks from the middle toward the outline: every cell on the edge rows (columns), and the last
  // cell before the outline always, joins the inner ring.
  auto walk = [&](Integer x, Integer y, Integer dx, Integer dy, bool markAll) {
    Integer lastX = -1, lastY = -1;
    while (x >= 0 && y >= 0 && x < W && y < H && !isOutline(x, y)) {
      if (markAll) mark(x, y);
      lastX = x;
      lastY = y;
      x += dx;
      y += dy;
    }
    if (lastX >= 0) mark(lastX, lastY);
  };
  for (Integer y = 1; y <= H - 2; ++y) {
    const bool edge = y == 1 || y == H - 2;
    walk(W / 2 - 1, y, -1, 0, edge);
    walk(W / 2, y, 1, 0, edge);
  }
  for (Integer x = 1; x <= W - 2; ++x) {
    const bool edge = x == 1 || x == W - 2;
    walk(x, H / 2 - 1, 0, -1, edge);
    walk(x, H / 2, 0, 1, edge);
  }
  const TRect dot{dot_.Left - origin_.X, dot_.Top - origin_.Y, dot_.Right - origin_.X, dot_.Bottom - origin_.Y};
  const auto dotPixels = BlackPixels(W, H, [&](TCanvas* c) {
    c->Brush()->SetColor(kBlack);
    RoundRectOnCanvas(c, dot, dot.Width(), dot.Height());
  });
  for (std::size_t i = 0; i < pattern_.size(); ++i)
    if (dotPixels[i]) pattern_[i] = 6;
}

void TkxRadioButtonImageList::BuildMask() {
  mask_ = FilledBitmap(width_, height_, kWhite, pf1bit);
  TCanvas* canvas = mask_->Canvas();
  canvas->Brush()->SetColor(kBlack);
  canvas->Pen()->SetColor(kBlack);
  RoundRectOnCanvas(canvas, {0, 0, width_, height_}, width_, height_);
}

void TkxRadioButtonImageList::BuildImages() {
  if (images_->Count() > 0 || width_ <= 0 || height_ <= 0) return;
  const auto bitmap = FilledBitmap(width_, height_, kBlack);
  for (Integer focused = 0; focused <= 1; ++focused)
    for (Integer designing = 0; designing <= 1; ++designing)
      for (Integer kind = lfFlat; kind <= lfOffice11; ++kind)
        for (Integer checked = 0; checked <= 1; ++checked)
          for (Integer state = kxbsNormal; state <= kxbsDisabled; ++state) {
            const auto look = TkxLookAndFeelKind(kind);
            const auto buttonState = TkxButtonState(state);
            const auto colors = BuildRadioColorMap(look, buttonState, checked != 0, designing != 0, focused != 0);
            std::array<std::uint32_t, 7> pixels;
            for (std::size_t i = 0; i < colors.size(); ++i) pixels[i] = ColorToRGB(colors[i]) & 0xFFFFFF;
            for (Integer y = 0; y < height_; ++y) {
              auto* row = static_cast<std::uint32_t*>(bitmap->ScanLine(y));
              // TColor is 0x00BBGGRR; a DIB pixel is 0x00RRGGBB.
              for (Integer x = 0; x < width_; ++x) {
                const std::uint32_t c = pixels[PatternAt(x, y)];
                row[x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
              }
            }
            const Integer index = images_->Add(bitmap.get(), mask_.get());
            const Integer key = CalcStateKey(look, buttonState, checked != 0, focused != 0, designing != 0);
            if (Integer(variants_.size()) <= key) variants_.resize(std::size_t(key) + 1, -1);
            variants_[std::size_t(key)] = index;
          }
}

Integer TkxRadioButtonImageList::CalcStateKey(TkxLookAndFeelKind Kind, TkxButtonState State, bool Checked,
                                              bool Focused, bool Designing) {
  const Integer state = State == kxbsDefault ? kxbsNormal : State;
  return state + Integer(Kind) * 8 + (Checked ? 4 : 0) + (Designing ? 32 : 0) + (Focused ? 64 : 0) - 1;
}

Integer TkxRadioButtonImageList::FindImageIndex(TkxLookAndFeelKind Kind, TkxButtonState State, bool Checked,
                                                bool Focused, bool Designing) const {
  const Integer key = CalcStateKey(Kind, State, Checked, Focused, Designing);
  return key < Integer(variants_.size()) ? variants_[std::size_t(key)] : -1;
}

TSize TkxRadioButtonImageList::GetGlyphSize() const { return {width_, height_}; }

void TkxRadioButtonImageList::PaintGlyph(TkxCanvas& Canvas, Integer X, Integer Y, TColor BkColor,
                                         TkxLookAndFeelKind Kind, TkxButtonState State, bool Checked, bool Focused,
                                         bool Designing) {
  const Integer index = FindImageIndex(Kind, State, Checked, Focused, Designing);
  if (index < 0) return;
  if (BkColor == clDefault) {
    images_->Draw(Canvas.Canvas(), X, Y, index);
    return;
  }
  const auto background = FilledBitmap(width_, height_, BkColor);
  images_->Draw(background->Canvas(), 0, 0, index);
  Canvas.Draw(X, Y, background.get());
}

void TkxRadioButtonImageList::Rebuild() {
  images_->Clear();
  BuildImages();
}

TkxRadioButtonImageList* GetSharedRadioButtonImageList() {
  auto& list = Resources().radioButtons;
  if (!list) list = std::make_unique<TkxRadioButtonImageList>();
  return list.get();
}

// Indicator images, track patterns, check-box size.

TCustomImageList* GetIndicatorImages() { return Resources().indicators.get(); }

TBitmap* GetScrollBarTrackPattern(bool Pressed) { return Resources().trackPatterns[Pressed ? 1 : 0].get(); }

void RefreshScrollBarPatterns() {
  auto& patterns = Resources().trackPatterns;
  const TColor colors[2][2] = {{clBtnFace, clBtnHighlight}, {kBlack, cl3DDkShadow}};
  for (Integer p = 0; p < 2; ++p) {
    if (!patterns[p]) patterns[p] = FilledBitmap(8, 8, colors[p][0]);
    TCanvas* canvas = patterns[p]->Canvas();
    for (Integer y = 0; y < 8; ++y)
      for (Integer x = 0; x < 8; ++x) canvas->SetPixels(x, y, colors[p][(x + y) % 2]);
  }
}

TSize GetSystemCheckBoxGlyphSize() { return Resources().checkBoxSize; }

namespace {

constexpr const char* kIndicatorNames[] = {"KX_ARROWBITMAP",    "KX_EDITBITMAP",       "KX_INSERTBITMAP",
                                           "KX_MULTIDOTBITMAP", "KX_MULTIARROWBITMAP", "KX_FILTERBITMAP"};

void AddIndicatorImage(const char* Name) {
  TBitmap bitmap;
  bitmap.SetHandle(LoadBitmapA(HInstance, Name));
  auto& images = Resources().indicators;
  if (!images) images = std::make_unique<TImageList>(nullptr, bitmap.Width(), bitmap.Height());
  images->AddMasked(&bitmap, kWhite);
}

// The primary notifier of the painters: glyphs are rebuilt before any look-and-feel repaints.
class TSystemPaletteChangedNotifier final : public TkxSystemPaletteChangedNotifier {
 public:
  TSystemPaletteChangedNotifier() : TkxSystemPaletteChangedNotifier(true) {}
  void FireChanged() override {
    TkxSystemPaletteChangedNotifier::FireChanged();
    if (Resources().radioButtons) Resources().radioButtons->Rebuild();
  }
};

void InitializePainters() {
  TPainterResources& r = Resources();
  r.registry = std::make_unique<TkxExtendedStylePainters>();
  for (const char* name : kIndicatorNames) AddIndicatorImage(name);
  RefreshScrollBarPatterns();
  r.notifier = std::make_unique<TSystemPaletteChangedNotifier>();
  r.checkBoxSize = MeasureCheckBoxCell();
}

void FinalizePainters() {
  TPainterResources& r = Resources();
  r.notifier.reset();
  r.trackPatterns[0].reset();
  r.trackPatterns[1].reset();
  r.indicators.reset();
  r.radioButtons.reset();
  r.registry.reset();
}

}  // namespace

const Unit kxLookAndFeelPaintersUnit = {"kxLookAndFeelPainters", InitializePainters, FinalizePainters};
