#include "platform/window_classes/track_bar_layout.h"

#include <algorithm>

#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/track_bar_window.h"

namespace {

constexpr int kMaxAutoTics = 10000;
constexpr int kMinThumbLength = 4;

// The thumb's length across without TBS_FIXEDLENGTH: what the window's breadth leaves after the
// edge on both sides and room for ticks, no longer than the default.
int FittedThumbLength(int across) {
  return std::clamp(across - 2 * kEdge - (kTickGap + kTickLength + 3), kMinThumbLength, 20);
}

}  // namespace

std::vector<int> InteriorTics(DWORD style, const TrackBarState& s) {
  std::vector<int> tics;
  for (int tic : s.tics)
    if (tic > s.min && tic < s.max) tics.push_back(tic);
  if ((style & TBS_AUTOTICKS) != 0) {
    const Int64 range = Int64(s.max) - s.min;
    Int64 step = std::max(s.ticFreq, 1);
    if (range / step > kMaxAutoTics) step *= (range / step) / kMaxAutoTics + 1;
    for (Int64 v = Int64(s.min) + step; v < s.max; v += step) tics.push_back(int(v));
    std::sort(tics.begin(), tics.end());
    tics.erase(std::unique(tics.begin(), tics.end()), tics.end());
  }
  return tics;
}

TrackBarLayout::TrackBarLayout(HWND w, const TrackBarState& s) : state_(s) {
  const DWORD style = DWORD(GetWindowLongPtrA(w, GWL_STYLE));
  vertical_ = (style & TBS_VERT) != 0;
  TRect client{};
  GetClientRect(w, &client);
  const int along = vertical_ ? client.Bottom : client.Right;
  const int across = vertical_ ? client.Right : client.Bottom;
  thumbLength_ = (style & TBS_FIXEDLENGTH) != 0 ? s.thumbLength : FittedThumbLength(across);
  breadth_ = thumbLength_ / 2 + 1;
  channelEnd_ = std::max(along - kEdge, kEdge + breadth_);
  channelThickness_ = (style & TBS_ENABLESELRANGE) != 0 ? 8 : 4;
}

TRect TrackBarLayout::Oriented(int alongFrom, int alongTo, int acrossFrom, int acrossTo) const {
  if (vertical_) return TRect{acrossFrom, alongFrom, acrossTo, alongTo};
  return TRect{alongFrom, acrossFrom, alongTo, acrossTo};
}

TRect TrackBarLayout::Channel() const {
  const int top = kEdge + thumbLength_ / 2 - channelThickness_ / 2;
  return Oriented(kEdge, channelEnd_, top, top + channelThickness_);
}

int TrackBarLayout::LeadOf(int value) const {
  const Int64 range = Int64(state_.max) - state_.min;
  if (range <= 0) return kEdge;
  const Int64 offset = std::clamp<Int64>(Int64(value) - state_.min, 0, range);
  return kEdge + int(offset * Span() / range);
}

TRect TrackBarLayout::ThumbAt(int value) const {
  const int lead = LeadOf(value);
  return Oriented(lead, lead + breadth_, kEdge, kEdge + thumbLength_);
}

TRect TrackBarLayout::TickAt(int value, bool after) const {
  const int centre = CentreOf(value);
  const int from = after ? kEdge + thumbLength_ + kTickGap : kEdge - kTickGap - kTickLength;
  return Oriented(centre, centre + 1, from, from + kTickLength);
}

int TrackBarLayout::ValueAtLead(int lead) const {
  const Int64 range = Int64(state_.max) - state_.min;
  if (range <= 0 || Span() <= 0) return state_.min;
  const Int64 offset = std::clamp(lead - kEdge, 0, Span());
  return int(state_.min + (2 * offset * range + Span()) / (2 * Span()));   // to the nearest value
}
