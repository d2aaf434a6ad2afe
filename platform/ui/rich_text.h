// Rich text (RTF) as the rich edit keeps it: paragraphs of runs of code page 874 text, each run
// with its character format, read from RTF and written back.
//
// The reader takes the common subset a rich edit produces and cells carry: the font and colour
// tables, \b \i \ul \ulnone \plain \f \fs \cf, \pard with \ql \qc \qr \qj, \par (also a line
// break inside the RTF text), \line (a paragraph here), \tab, \'hh bytes, \uN with \ucN fallback
// skipping, and the named quotes, dashes and bullet.  Groups of other destinations (the style
// sheet, document information, pictures, objects, headers, footers, field instructions and every
// group starting with \*) are skipped whole; unknown control words are ignored.  It never fails:
// text before the opening brace, unbalanced braces, numbers of any length (taken to 32 bits),
// nesting deeper than kMaxRichTextDepth (the deeper groups are skipped) and a text ending anywhere
// all read in one pass, in time linear in the input.
//
// Paragraphs: \par ends one; text after the last \par makes a last one.  Character formats hold
// what the RTF set: an empty font name, a size of 0 or the colour clDefault mean "the control's".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/colors.h"

inline constexpr int kMaxRichTextDepth = 256;

struct TRichCharFormat {
  std::string FontName;      // empty: the control's font
  int SizeHalfPoints = 0;    // 0: the control's size
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor Color = clDefault;  // clDefault: the control's font colour
  bool operator==(const TRichCharFormat&) const = default;
};

struct TRichRun {
  std::string Text;   // code page 874; a TAB stands for \tab
  TRichCharFormat Format;
  bool operator==(const TRichRun&) const = default;
};

enum class TRichAlignment { Left, Center, Right, Justify };

struct TRichParagraph {
  std::vector<TRichRun> Runs;
  TRichAlignment Alignment = TRichAlignment::Left;
  std::string PlainText() const;
  bool operator==(const TRichParagraph&) const = default;
};

struct TRichDocument {
  std::vector<TRichParagraph> Paragraphs;
  // The paragraphs' texts joined by CR LF (no line break after the last).
  std::string PlainText() const;
  // The number of characters: each paragraph's text plus one for its break (the last has none).
  int CharCount() const;
  bool operator==(const TRichDocument&) const = default;
};

// True when the text starts as a rich text group does ("{\", spaces before it allowed).
bool IsRichText(std::string_view Text);
TRichDocument ReadRichText(std::string_view Rtf);
// RTF of the document: a font table of the fonts it names, a colour table of its colours, then
// the paragraphs; bytes above 0x7F as \'hh.  ReadRichText(WriteRichText(d)) == d for a document
// whose runs are not empty and whose adjacent runs differ in format.
std::string WriteRichText(const TRichDocument& Document);
