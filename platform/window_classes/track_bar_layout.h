// What a track-bar window keeps, and where its parts lie (track_bar_window.h says how it behaves).
//
// Geometry runs "along" the channel (x for TBS_HORZ, y for TBS_VERT) and "across" it.  The channel
// spans the client's length less kEdge at both ends; the thumb (length across, breadth = length / 2
// + 1 along) starts kEdge from the client's leading side and slides within the channel, so a value
// v puts the thumb's leading edge at channel start + (v - min) * (channel length - breadth) /
// (max - min).  The channel is centred across the thumb: 4 pixels thick, 8 with TBS_ENABLESELRANGE.
// Ticks are kTickLength pixels long, kTickGap pixels beside the thumb, centred on their value's
// thumb position.
#pragma once

#include <vector>

#include "platform/user/user_types.h"

struct TrackBarState {
  enum class Press { None, Thumb, Channel };

  int min = 0;
  int max = 100;
  int pos = 0;
  int lineSize = 1;
  int pageSize = 20;
  int ticFreq = 1;
  int selStart = 0;
  int selEnd = 0;
  int thumbLength = 20;   // across, with TBS_FIXEDLENGTH
  std::vector<int> tics;  // set with TBM_SETTIC: sorted, each once

  Press press = Press::None;
  int grabOffset = 0;     // a dragged thumb: from its leading edge to the pointer, along
  TPoint pointer{};       // a held channel press: where the pointer is now (client)
  int pageDirection = 0;  // a held channel press: -1 towards the minimum, 1 towards the maximum
};

inline constexpr int kEdge = 8, kTickGap = 2, kTickLength = 3;

// The ticks between the ends, ascending: those set, and with TBS_AUTOTICKS every frequency step
// from the minimum (thinned to a multiple of the frequency beyond 10000 of them).
std::vector<int> InteriorTics(DWORD Style, const TrackBarState& State);

class TrackBarLayout {
 public:
  TrackBarLayout(HWND Window, const TrackBarState& State);

  bool Vertical() const { return vertical_; }
  int ThumbLength() const { return thumbLength_; }
  TRect Channel() const;
  TRect Thumb() const { return ThumbAt(state_.pos); }
  TRect ThumbAt(int Value) const;
  // The along coordinate of a value's thumb centre (where its tick stands).
  int CentreOf(int Value) const { return LeadOf(Value) + breadth_ / 2; }
  // A tick's rectangle on the side after the thumb (below / right) or before it.
  TRect TickAt(int Value, bool After) const;
  // The value whose thumb would start at an along coordinate, within the range.
  int ValueAtLead(int Lead) const;
  int Along(TPoint Point) const { return vertical_ ? Point.Y : Point.X; }

 private:
  int LeadOf(int Value) const;
  int Span() const { return channelEnd_ - kEdge - breadth_; }   // the thumb's travel
  TRect Oriented(int AlongFrom, int AlongTo, int AcrossFrom, int AcrossTo) const;

  const TrackBarState& state_;
  bool vertical_ = false;
  int thumbLength_ = 0;
  int breadth_ = 0;
  int channelEnd_ = 0;
  int channelThickness_ = 0;
};
