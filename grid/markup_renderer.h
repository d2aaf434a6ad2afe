// The markup renderer behind DrawMarkup (draw_markup.h), for the renderer's own files only: the
// state of one call, the line loop (draw_markup.cpp), one pass over a line with its text runs and
// tags (markup_line_pass.cpp), pictures (markup_pictures.cpp) and form-control fields
// (markup_form_fields.cpp).
#pragma once

#include <string>
#include <string_view>

#include "grid/draw_markup.h"
#include "grid/markup_controls.h"
#include "grid/markup_tags.h"
#include "platform/ui/brush.h"
#include "platform/ui/font.h"

class THTMLPicture;

class TMarkupRenderer {
 public:
  TMarkupRenderer(const TDrawMarkupInput& In, TDrawMarkupOutput& Out);
  ~TMarkupRenderer();
  TMarkupRenderer(const TMarkupRenderer&) = delete;
  TMarkupRenderer& operator=(const TMarkupRenderer&) = delete;

  bool Run();

 private:
  // What carries from one line to the next, restored before a line's second pass.
  struct TCarried {
    bool inAnchor = false;
    std::string href;
    Integer anchorCount = 0;
    Integer pictureCount = 0;
    Integer listLevel = 0;
    bool hidden = false;
    bool shadow = false;
  };

  // One pass over one line.  The measuring pass that lays a line out (`layout`) consumes the line
  // from the text, decides what fits and collects the plain text; the second pass replays the
  // line's raw text at the line's aligned position, starting with the measured line's sizes.
  struct TPass {
    bool drawing = false;
    bool layout = false;
    TRect line{};            // the line's rectangle; Left is the line's left edge
    Integer bottom = 0;      // the working bottom: text stands on it
    Integer x = 0;           // offset from the line's left edge
    Integer height = 0;
    Integer supRoom = 0;
    Integer subRoom = 0;
    Integer lift = 0;        // text raised beside a top- or middle-aligned picture
    Integer trailing = 0;    // width of the blank that ends the line's text so far
    std::string raw;         // the line's text, tags included
    std::string visible;     // the text placed on the line
    bool ended = false;
    bool doesNotFit = false;
    bool listItem = false;   // a list item stands on the line
    bool anchorHit = false;  // the point lies on anchor text of this line
    bool itemHit = false;    // ... on a form-control field or a picture inside an anchor
  };

  // Saves the canvas's state, sets up the call; the destructor restores it.
  void Begin();
  void End();
  bool Themed() const;
  // Lays out (and unless MeasureOnly draws) the next line of `rest`; false when the rest is
  // dropped because the next line would start below the rectangle.
  bool NextLine(std::string_view& rest);

  // One pass (markup_line_pass.cpp).
  void RunPass(TPass& pass, std::string_view& text);
  void TakeRun(TPass& pass, std::string_view& text);
  bool Fits(const TPass& pass, Integer width) const;
  void HitTestRun(TPass& pass, Integer width);
  void DrawRun(TPass& pass, const std::string& shown, Integer width);
  void DrawTextRun(TRect rect, const std::string& shown, UINT format);
  // The width of a run: in the line's rectangle when measuring, from the run's place to the
  // line's right edge when drawing (an ellipsis may shorten it).
  Integer RunWidth(const TPass& pass, const std::string& shown);
  UINT TextFormat() const;
  void DrawErrorMark(const TPass& pass, Integer from, Integer to);
  void TakeTag(TPass& pass, std::string_view& text);
  void ActOnTag(TPass& pass, std::string_view tag, const TMarkupTagInfo& info);
  void SetStyle(TFontStyle style, bool on);
  void Paragraph(TPass& pass, std::string_view attributes);
  void EndParagraph(TPass& pass);
  void Font(const TPass& pass, std::string_view attributes);
  void EndFont(const TPass& pass);
  void Highlight(const TPass& pass, bool on);
  void HorizontalRule(TPass& pass);
  void ListItem(TPass& pass);
  void Indentation(TPass& pass, std::string_view attributes);
  void Rotate(std::string_view attributes);
  void EndRotation();
  void OpenAnchor(TPass& pass, std::string_view attributes);
  void CloseAnchor(TPass& pass);
  bool HoverApplies() const;
  void FocusRect(const TPass& pass);
  void EndPass(TPass& pass);
  void FillBand(const TPass& pass, TColor color);

  // Saved brush colours are clNone for a clear brush.
  TColor BrushColor() const;
  void SetBrushColor(TColor color);

  // Pictures (markup_pictures.cpp).
  void Image(TPass& pass, std::string_view attributes);
  THTMLPicture* FindPicture(const std::string& source) const;
  void DrawPicture(THTMLPicture& picture, Integer x, Integer top, Integer width, Integer height);
  void DrawListImage(HIMAGELIST list, Integer index, Integer x, Integer top, Integer width, Integer height);
  void Body(std::string_view attributes);
  // Places an item of that size at the pass's position: false when it starts the next line.
  bool Place(TPass& pass, Integer width, Integer height);
  bool PointIn(const TPass& pass, Integer width, Integer height) const;

  // Form-control fields (markup_form_fields.cpp).
  // How one part of a field is drawn: themed (class, part, state) or as a classic frame control.
  struct TFieldPart {
    const WideChar* themeClass;
    int part;
    int state;
    UINT frameControl;
    UINT frameState;
  };
  void FormField(TPass& pass, std::string_view tag);
  bool PointOverField(Integer x, Integer bottom, Integer width, Integer height) const;
  void DrawFormField(const TPass& pass, const TMarkupControl& field, Integer width);
  void DrawFieldPart(TRect rect, const TFieldPart& look);

  const TDrawMarkupInput& in_;
  TDrawMarkupOutput& out_;
  TCanvas& canvas_;
  std::string text_;            // prepared for layout
  std::string requestedControl_;   // the field HitTestOnly asks about ("" none)
  Integer top_ = 0;             // of the next line

  // The canvas at entry.
  TFont baseFont_;
  TColor penColor_ = 0;
  Integer penWidth_ = 1;
  TColor brushColor_ = 0;   // also the background of blinking text and animated pictures
  TBrushStyle brushStyle_ = bsSolid;
  TFont measureFont_;   // the font at the start of the next line, for each pass
  TFont drawFont_;
  bool themed_ = false;

  // Carried from line to line.
  TCarried carried_;
  bool superscript_ = false;
  bool subscript_ = false;
  bool errorMark_ = false;
  bool paragraphBackground_ = false;
  Integer alignment_ = 0;   // 0 left, 1 right, 2 centre
  Integer indent_ = 0;
  Integer pictureUnderPoint_ = -1;

  // The anchor open now.
  Integer anchorLeft_ = 0;
  Integer anchorTop_ = 0;
  bool anchorUnderPoint_ = false;
  Integer focusLeft_ = 0;   // where the focus anchor's part on this line starts

  // Saved colours.
  TColor hoverBrush_ = clNone;
  TColor hoverText_ = clNone;
  TColor fontBackground_ = clNone;
  TColor highlightText_ = clNone;
  TColor highlightBrush_ = clNone;
  TColor paragraphBrush_ = clNone;

  // The font selected before a rotated one, and the rotated font.
  HGDIOBJ keptFont_ = nullptr;
  HFONT rotatedFont_ = nullptr;

  bool result_ = false;
};
