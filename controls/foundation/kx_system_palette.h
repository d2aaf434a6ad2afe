// System palette change notification: one hidden utility window receives the system's colour
// change (WM_SYSCOLORCHANGE, broadcast by SetSysColors) for the whole library and passes it on in a
// fixed order: first the Office 2003 colours are recomputed, then every primary notifier runs (the
// caches of brushes and painter images), last to first, then every ordinary notifier (those the
// look-and-feel objects own), last to first.  A handler may free notifiers: each one still listed
// is called once, none that has left.
//
// The shared TkxSystemPaletteChangedListener exists while any notifier does; it keeps one use of
// the Office 2003 colours for its whole life.
#pragma once

#include "platform/classes/event.h"

class TkxSystemPaletteChangedNotifier {
 public:
  explicit TkxSystemPaletteChangedNotifier(bool APrimary = false);
  virtual ~TkxSystemPaletteChangedNotifier();
  TkxSystemPaletteChangedNotifier(const TkxSystemPaletteChangedNotifier&) = delete;
  TkxSystemPaletteChangedNotifier& operator=(const TkxSystemPaletteChangedNotifier&) = delete;

  bool Primary() const { return primary_; }
  // Calls OnSystemPaletteChanged when assigned; descendants add their own refresh.
  virtual void FireChanged();

  Event<void()> OnSystemPaletteChanged;

 private:
  bool primary_;
};

// Whether the shared listener exists (tests and diagnostics).
bool IsPaletteListenerAlive();
