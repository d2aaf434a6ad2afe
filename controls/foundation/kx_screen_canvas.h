// The canvas on the desktop window that the control library measures text with: TScreenCanvas (a
// class-library canvas on a cached desktop context, with window updates locked, fetched on first
// use and given back when the canvas goes), TkxScreenCanvas over it, and the one shared
// TkxScreenCanvas with the font measurements made on it.  Nothing visible is drawn there.
#pragma once

#include <string>

#include "controls/foundation/kx_canvas.h"

class TScreenCanvas : public TCanvas {
  PR_CLASS(TScreenCanvas, TCanvas)

 public:
  TScreenCanvas() = default;
  ~TScreenCanvas() override;

 protected:
  // GetDCEx of the desktop window with DCX_CACHE | DCX_LOCKWINDOWUPDATE.
  void CreateHandle() override;

 private:
  HDC dc_ = nullptr;
};

class TkxScreenCanvas : public TkxCanvas {
 public:
  TkxScreenCanvas() : TkxCanvas(&screen_) {}

 private:
  TScreenCanvas screen_;
};

// Made on first use; FreeSharedScreenCanvas (the unit's finalisation) frees it.
TkxScreenCanvas* GetSharedScreenCanvas();
void FreeSharedScreenCanvas();

// The shared canvas's font takes Font (and PointSize when not 0), then the text's extent.
TSize MeasureFontText(TFont* Font, const std::string& Text, Integer PointSize = 0);
Integer MeasureFontTextHeight(TFont* Font, const std::string& Text, Integer PointSize = 0);
Integer MeasureFontTextWidth(TFont* Font, const std::string& Text, Integer PointSize = 0);
