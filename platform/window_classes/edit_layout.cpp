#include "platform/window_classes/edit_layout.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/font_system.h"
#include "platform/gdi/line_breaks.h"
#include "platform/core/cp874.h"
#include "platform/window_classes/edit_units.h"

namespace edit {

namespace {

bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void EditLayout::Build(std::string_view text, bool multiLine, int wrapWidth, const EditMeasure& measure) {
  text_ = text;
  lines_.clear();
  offsets_.clear();
  const int n = int(text.size());
  if (!multiLine) {
    AddLine(text, 0, n, n, measure);
    return;
  }
  int start = 0;
  for (;;) {
    const std::size_t found = text.find("\r\n", std::size_t(start));
    const int end = found == std::string_view::npos ? n : int(found);
    const int next = found == std::string_view::npos ? n : end + 2;
    if (wrapWidth > 0) WrapLine(text, start, end, next, wrapWidth, measure);
    else AddLine(text, start, end, next, measure);
    if (found == std::string_view::npos) break;
    start = next;
  }
}

void EditLayout::AddLine(std::string_view text, int start, int end, int next, const EditMeasure& measure) {
  lines_.push_back(EditLine{start, end, next});
  offsets_.push_back(measure(text.substr(std::size_t(start), std::size_t(end - start))));
}

void EditLayout::WrapLine(std::string_view text, int start, int end, int next, int width,
                          const EditMeasure& measure) {
  const std::string_view hard = text.substr(std::size_t(start), std::size_t(end - start));
  const std::vector<int> x = measure(hard);
  std::vector<bool> breaks;
  int pos = 0;
  const int n = int(hard.size());
  while (x[std::size_t(n)] - x[std::size_t(pos)] > width) {
    if (breaks.empty()) {
      auto lock = gdi::FontSystem::Instance().Lock();
      breaks = gdi::LineBreaks(Cp874ToUtf16(hard));
    }
    int cut = 0;
    for (int e = pos + 1; e < n; ++e) {
      if (!breaks[std::size_t(e)]) continue;
      int visible = e;
      while (visible > pos && IsBlankByte(hard[std::size_t(visible - 1)])) --visible;
      if (x[std::size_t(visible)] - x[std::size_t(pos)] > width) break;
      cut = e;
    }
    if (cut == 0) {   // no word fits: cut inside the word at a cluster boundary
      cut = NextCluster(hard, pos);
      for (int e = NextCluster(hard, cut); e <= n && x[std::size_t(e)] - x[std::size_t(pos)] <= width;
           e = NextCluster(hard, e)) {
        cut = e;
        if (e == n) break;
      }
      if (cut >= n) break;
    }
    AddLine(text, start + pos, start + cut, start + cut, measure);
    pos = cut;
  }
  AddLine(text, start + pos, end, next, measure);
}

int EditLayout::LineFromChar(int pos) const {
  const auto after = std::upper_bound(lines_.begin() + 1, lines_.end(), pos,
                                      [](int p, const EditLine& l) { return p < l.start; });
  return int(after - lines_.begin()) - 1;
}

int EditLayout::XOfChar(int line, int pos) const {
  const EditLine& l = Line(line);
  const int i = std::clamp(pos, l.start, l.end) - l.start;
  return offsets_[std::size_t(line)][std::size_t(i)];
}

int EditLayout::CharFromX(int line, int x) const {
  const EditLine& l = Line(line);
  const std::string_view text = text_.substr(std::size_t(l.start), std::size_t(l.end - l.start));
  const std::vector<int>& off = offsets_[std::size_t(line)];
  int best = 0;
  for (int p = 0;;) {
    if (std::abs(off[std::size_t(p)] - x) < std::abs(off[std::size_t(best)] - x)) best = p;
    if (p >= int(text.size())) break;
    p = NextCluster(text, p);
  }
  return l.start + best;
}

int EditLayout::MaxWidth() const {
  int width = 0;
  for (int i = 0; i < LineCount(); ++i) width = std::max(width, LineWidth(i));
  return width;
}

}  // namespace edit
