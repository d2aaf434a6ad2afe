// Rich text layout and drawing (see rich_text_layout.h).
#include "platform/ui/rich_text_layout.h"

#include <algorithm>
#include <utility>

#include "platform/core/mul_div.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_extent.h"
#include "platform/gdi/text_out.h"
#include "platform/user/char_next.h"

namespace {

// The fonts of the formats met, made once per layout or drawing and selected in turn; the
// context's own font comes back at the end.
class RichFonts {
 public:
  RichFonts(HDC DC, const TRichTextDefaults& Defaults) : dc_(DC), defaults_(Defaults) {}
  ~RichFonts() {
    if (saved_ != nullptr) SelectObject(dc_, saved_);
    for (auto& [format, font] : fonts_) DeleteObject(font.handle);
  }
  RichFonts(const RichFonts&) = delete;
  RichFonts& operator=(const RichFonts&) = delete;

  struct Font {
    HFONT handle;
    int ascent;
    int descent;
  };
  // Selects the format's font and answers its metrics.
  const Font& Select(const TRichCharFormat& Format) {
    TRichCharFormat key = Format;
    key.Color = clDefault;
    auto found = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return f.first == key; });
    if (found == fonts_.end()) {
      const int halfPoints = key.SizeHalfPoints > 0 ? key.SizeHalfPoints : defaults_.SizeHalfPoints;
      const std::string& face = key.FontName.empty() ? defaults_.FontName : key.FontName;
      HFONT handle = CreateFontA(-MulDiv(halfPoints, GetDeviceCaps(dc_, LOGPIXELSY), 144), 0, 0, 0,
                                 key.Bold ? FW_BOLD : FW_NORMAL, key.Italic, key.Underline, 0, DEFAULT_CHARSET, 0, 0,
                                 0, 0, face.c_str());
      HGDIOBJ previous = SelectObject(dc_, handle);
      if (saved_ == nullptr) saved_ = previous;
      TEXTMETRICA metrics{};
      GetTextMetricsA(dc_, &metrics);
      fonts_.emplace_back(key, Font{handle, int(metrics.tmAscent), int(metrics.tmHeight - metrics.tmAscent)});
      return fonts_.back().second;
    }
    HGDIOBJ previous = SelectObject(dc_, found->second.handle);
    if (saved_ == nullptr) saved_ = previous;
    return found->second;
  }

 private:
  HDC dc_;
  const TRichTextDefaults& defaults_;
  std::vector<std::pair<TRichCharFormat, Font>> fonts_;
  HGDIOBJ saved_ = nullptr;
};

int TextWidth(HDC DC, std::string_view Text) {
  TSize size{};
  GetTextExtentPoint32A(DC, Text.data(), int(Text.size()), &size);
  return size.cx;
}

// The bytes of Text's leading clusters that fit in Width, at least one cluster.
size_t FittingPrefix(HDC DC, std::string_view Text, int Width) {
  const std::string text(Text);
  int fit = 0;
  TSize size{};
  GetTextExtentExPointA(DC, text.c_str(), int(text.size()), Width, &fit, nullptr, &size);
  const char* start = text.c_str();
  const char* end = CharNextA(start);
  for (const char* next = CharNextA(end); next != end && next - start <= fit; next = CharNextA(end)) end = next;
  return size_t(end - start);
}

class LineBuilder {
 public:
  LineBuilder(HDC DC, RichFonts& Fonts, int Width, bool WordWrap)
      : dc_(DC), fonts_(Fonts), width_(Width), wrap_(WordWrap),
        tabWidth_(std::max(1, GetDeviceCaps(DC, LOGPIXELSX) / 2)) {
    const RichFonts::Font& font = fonts_.Select(TRichCharFormat{});
    defaultAscent_ = font.ascent;
    defaultDescent_ = font.descent;
  }

  void Paragraph(const TRichParagraph& Paragraph) {
    const size_t firstLine = layout_.Lines.size();
    for (const TRichRun& run : Paragraph.Runs) Run(run);
    FinishLine(1);
    for (size_t i = firstLine; i < layout_.Lines.size(); ++i) Align(layout_.Lines[i], Paragraph.Alignment);
  }

  TRichLayout Take() { return std::move(layout_); }

 private:
  void Run(const TRichRun& Run) {
    const RichFonts::Font& font = fonts_.Select(Run.Format);
    std::string_view text = Run.Text;
    while (!text.empty()) {
      if (text.front() == '\t') {
        const int stop = (x_ / tabWidth_ + 1) * tabWidth_;
        if (wrap_ && stop > width_ && !line_.Pieces.empty()) FinishLine(0);
        x_ = (x_ / tabWidth_ + 1) * tabWidth_;
        Measure(font);
        text.remove_prefix(1);
        ++char_;
        continue;
      }
      size_t end = text.find_first_of(" \t");
      end = end == std::string_view::npos ? text.size() : text.find_first_not_of(' ', end);
      if (end == std::string_view::npos) end = text.size();
      std::string_view word = text.substr(0, end);
      const std::string_view bare = word.substr(0, word.find_last_not_of(' ') + 1);
      int bareWidth = TextWidth(dc_, bare);
      if (wrap_ && x_ > 0 && x_ + bareWidth > width_) {
        FinishLine(0);
        bareWidth = TextWidth(dc_, bare);
      }
      if (wrap_ && bareWidth > width_ - x_ && !bare.empty()) word = word.substr(0, FittingPrefix(dc_, bare, width_ - x_));
      Piece(word, Run.Format, font);
      text.remove_prefix(word.size());
      if (wrap_ && x_ >= width_ && !text.empty()) FinishLine(0);
    }
  }

  void Piece(std::string_view Text, const TRichCharFormat& Format, const RichFonts::Font& Font) {
    line_.Pieces.push_back(TRichPiece{x_, Font.ascent, std::string(Text), Format, char_});
    Measure(Font);
    x_ += TextWidth(dc_, Text);
    char_ += int(Text.size());
  }

  void Measure(const RichFonts::Font& Font) {
    ascent_ = std::max(ascent_, Font.ascent);
    descent_ = std::max(descent_, Font.descent);
  }

  // Breaks adds the paragraph break's character (1 at a paragraph's end).
  void FinishLine(int Breaks) {
    if (ascent_ == 0 && descent_ == 0) {
      ascent_ = defaultAscent_;
      descent_ = defaultDescent_;
    }
    char_ += Breaks;
    line_.Top = layout_.Height;
    line_.Baseline = ascent_;
    line_.Height = ascent_ + descent_;
    line_.Width = x_;
    line_.EndChar = char_;
    layout_.Height += line_.Height;
    layout_.Width = std::max(layout_.Width, x_);
    layout_.Lines.push_back(std::move(line_));
    line_ = TRichLine{};
    x_ = ascent_ = descent_ = 0;
  }

  void Align(TRichLine& Line, TRichAlignment Alignment) const {
    const int room = width_ - Line.Width;
    if (room <= 0 || Alignment == TRichAlignment::Left || Alignment == TRichAlignment::Justify) return;
    const int shift = Alignment == TRichAlignment::Right ? room : room / 2;
    for (TRichPiece& piece : Line.Pieces) piece.X += shift;
  }

  HDC dc_;
  RichFonts& fonts_;
  int width_;
  bool wrap_;
  int tabWidth_;
  int defaultAscent_ = 0;
  int defaultDescent_ = 0;
  TRichLayout layout_;
  TRichLine line_;
  int x_ = 0;
  int ascent_ = 0;
  int descent_ = 0;
  int char_ = 0;
};

}  // namespace

TRichLayout LayoutRichText(HDC DC, const TRichDocument& Document, const TRichTextDefaults& Defaults, int Width,
                           bool WordWrap) {
  RichFonts fonts(DC, Defaults);
  LineBuilder builder(DC, fonts, Width, WordWrap);
  for (const TRichParagraph& paragraph : Document.Paragraphs) builder.Paragraph(paragraph);
  return builder.Take();
}

int DrawRichText(HDC DC, const TRichLayout& Layout, const TRichTextDefaults& Defaults, TPoint Origin,
                 const TRect& Clip) {
  RichFonts fonts(DC, Defaults);
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  const COLORREF oldColor = GetTextColor(DC);
  int drawnTo = 0;
  for (const TRichLine& line : Layout.Lines) {
    if (Origin.Y + line.Top >= Clip.Bottom) break;
    for (const TRichPiece& piece : line.Pieces) {
      fonts.Select(piece.Format);
      SetTextColor(DC, ColorToRGB(piece.Format.Color == clDefault ? Defaults.Color : piece.Format.Color));
      ExtTextOutA(DC, Origin.X + piece.X, Origin.Y + line.Top + line.Baseline - piece.Ascent, ETO_CLIPPED, &Clip,
                  piece.Text.data(), UINT(piece.Text.size()), nullptr);
    }
    drawnTo = line.EndChar;
  }
  SetTextColor(DC, oldColor);
  SetBkMode(DC, oldMode);
  return drawnTo;
}
