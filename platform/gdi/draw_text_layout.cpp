// DrawText's line layout; see draw_text_layout.h.
#include "platform/gdi/draw_text_layout.h"

#include <algorithm>

#include "platform/gdi/line_breaks.h"
#include "platform/gdi/line_measure.h"
#include "platform/gdi/prefix_text.h"
#include "platform/gdi/text_constants.h"

namespace gdi {
namespace {

// A line of the shown text: units [begin, end) are shown; the next line starts at `next`.
struct LineRange {
  std::size_t begin, end, next;
};

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

std::vector<LineRange> HardLines(std::u16string_view text) {
  std::vector<LineRange> lines;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (!IsLineBreak(text[i])) {
      ++i;
      continue;
    }
    std::size_t next = i + 1;
    if (text[i] == u'\r' && next < text.size() && text[next] == u'\n') ++next;
    lines.push_back({begin, i, next});
    begin = i = next;
  }
  if (begin < text.size() || lines.empty()) lines.push_back({begin, text.size(), text.size()});
  return lines;
}

std::size_t TrimBlanks(std::u16string_view line, std::size_t from, std::size_t end) {
  while (end > from && IsBlank(line[end - 1])) --end;
  return end;
}

// Where a word too wide for the line is cut: the longest start that fits, at least one character.
std::size_t WordCut(LineMeasure& measure, std::u16string_view rest, const std::vector<int>& x, int width) {
  std::size_t first = 1;
  while (first < rest.size() && !measure.CanCut(rest, first)) ++first;
  std::size_t cut = first;
  for (std::size_t c = first + 1; c < rest.size() && x[c] <= width; ++c)
    if (measure.CanCut(rest, c)) cut = c;
  return cut;
}

// Splits one hard line into the lines that fit the width.
void Wrap(LineMeasure& measure, std::u16string_view text, const LineRange& hard, int width, bool cutWords,
          std::vector<LineRange>& out) {
  const std::u16string_view whole = text.substr(hard.begin, hard.end - hard.begin);
  std::vector<bool> breaks;   // found when the first wrap is needed
  std::size_t pos = 0;
  for (;;) {
    const std::u16string_view rest = whole.substr(pos);
    const std::vector<int> x = measure.Offsets(rest);
    if (x.back() <= width) break;
    if (breaks.empty()) breaks = LineBreaks(whole);
    std::size_t best = 0;
    for (std::size_t e = pos + 1; e < whole.size(); ++e) {
      if (!breaks[e]) continue;
      if (x[TrimBlanks(whole, pos, e) - pos] > width) break;
      best = e;
    }
    std::size_t end = 0, next = 0;
    if (best) {
      end = TrimBlanks(whole, pos, best);
      next = best;
    } else if (cutWords) {
      end = next = pos + WordCut(measure, rest, x, width);
    } else {
      next = pos + 1;
      while (next < whole.size() && !breaks[next]) ++next;
      end = TrimBlanks(whole, pos, next);
    }
    if (next >= whole.size()) break;   // the rest is one word (or one letter with its marks)
    out.push_back({hard.begin + pos, hard.begin + end, hard.begin + next});
    pos = next;
  }
  out.push_back({hard.begin + pos, hard.end, hard.next});
}

std::vector<LineRange> Lines(LineMeasure& measure, std::u16string_view text, UINT flags, int width) {
  if (flags & DT_SINGLELINE) return {{0, text.size(), text.size()}};
  std::vector<LineRange> hard = HardLines(text);
  if (!(flags & DT_WORDBREAK)) return hard;
  std::vector<LineRange> lines;
  for (const LineRange& line : hard) Wrap(measure, text, line, width, flags & DT_EDITCONTROL, lines);
  return lines;
}

LineText Shown(const PrefixedText& prefixed, const LineRange& range) {
  LineText line;
  line.text = prefixed.text.substr(range.begin, range.end - range.begin);
  for (std::size_t i = range.begin; i < range.end; ++i) line.origin.push_back(i);
  return line;
}

// How many of the laid-out lines are drawn.
std::size_t VisibleLines(std::size_t count, UINT flags, int lineHeight, int height) {
  if (flags & (DT_CALCRECT | DT_SINGLELINE)) return count;
  std::size_t n = 0;
  if (flags & DT_EDITCONTROL) {
    while (n < count && std::int64_t(n + 1) * lineHeight <= height) ++n;
    return std::max<std::size_t>(n, std::min<std::size_t>(count, 1));
  }
  if (flags & DT_NOCLIP) return count;
  while (n < count && std::int64_t(n) * lineHeight < height) ++n;
  return n;
}

}  // namespace

DrawTextFormat DrawTextFormat::From(UINT format, const DRAWTEXTPARAMS* params) {
  DrawTextFormat f;
  f.flags = format;
  if (format & DT_TABSTOP) {
    const int count = int((format >> 8) & 0xFF);
    f.tabLength = count ? count : 8;
    f.flags &= ~0xFF00u;
  }
  if (params) {
    if (params->iTabLength > 0) f.tabLength = params->iTabLength;
    f.leftMargin = params->iLeftMargin;
    f.rightMargin = params->iRightMargin;
  }
  return f;
}

DrawTextLayout LayoutDrawText(LineMeasure& measure, const TEXTMETRICW& tm, std::u16string_view text,
                              const TRect& rect, const DrawTextFormat& format) {
  const UINT flags = format.flags;
  const int lineHeight = tm.tmHeight + (flags & DT_EXTERNALLEADING ? tm.tmExternalLeading : 0);
  DrawTextLayout layout;
  layout.rect = rect;
  layout.height = lineHeight;
  if (text.empty()) {
    layout.rect.Right = rect.Left;
    layout.rect.Bottom = rect.Top + (flags & DT_SINGLELINE ? lineHeight : 0);
    return layout;
  }
  const PrefixedText prefixed = flags & DT_NOPREFIX ? WithoutPrefixes(text) : StripPrefixes(text);
  const int left = rect.Left + format.leftMargin, right = rect.Right - format.rightMargin;
  const int width = right - left;
  const std::vector<LineRange> ranges = Lines(measure, prefixed.text, flags, width);
  const std::size_t visible = VisibleLines(ranges.size(), flags, lineHeight, rect.Height());
  const bool cutLast = (flags & (DT_END_ELLIPSIS | DT_EDITCONTROL)) == (DT_END_ELLIPSIS | DT_EDITCONTROL) &&
                       !(flags & DT_SINGLELINE) && visible < ranges.size();

  int widest = 0;
  bool changed = false;
  std::u16string firstShown;
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    DrawTextLine line;
    line.shown = Shown(prefixed, ranges[i]);
    if (flags & DT_PATH_ELLIPSIS) changed |= PathEllipsis(measure, line.shown, width, flags & DT_END_ELLIPSIS);
    else if (flags & DT_END_ELLIPSIS) changed |= EndEllipsis(measure, line.shown, width, cutLast && i + 1 == visible);
    const int lineWidth = measure.Width(line.shown.text);
    widest = std::max(widest, lineWidth);
    if (i == 0) firstShown = line.shown.text;
    if (i >= visible) continue;
    for (std::size_t u = 0; u < line.shown.origin.size(); ++u)
      if (line.shown.origin[u] != LineText::kInserted && prefixed.accelerator[line.shown.origin[u]]) line.marks.push_back(u);
    line.at.X = flags & DT_CENTER ? left + (width - lineWidth) / 2 : flags & DT_RIGHT ? right - lineWidth : left;
    line.at.Y = rect.Top + int(i) * lineHeight;
    if (flags & DT_SINGLELINE) {
      if (flags & DT_VCENTER) line.at.Y = rect.Top + (rect.Height() - lineHeight) / 2;
      else if (flags & DT_BOTTOM) line.at.Y = rect.Bottom - lineHeight;
    }
    layout.lines.push_back(std::move(line));
  }

  layout.height = int(ranges.size()) * lineHeight;
  if ((flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM)) && !(flags & DT_CALCRECT))
    layout.height = layout.lines.front().at.Y + lineHeight - rect.Top;   // a single line is always laid out
  layout.rect.Right = rect.Left + format.leftMargin + widest + format.rightMargin;
  layout.rect.Bottom = rect.Top + int(ranges.size()) * lineHeight;
  layout.lengthDrawn = visible < ranges.size() ? prefixed.source[ranges[visible].begin] : prefixed.source.back();
  if ((flags & DT_MODIFYSTRING) && changed && ranges.size() == 1) layout.modified = std::move(firstShown);
  return layout;
}

}  // namespace gdi
