// The non-client metrics (SystemParametersInfo SPI_GETNONCLIENTMETRICS / SPI_SETNONCLIENTMETRICS):
// the border, scroll-bar, caption and menu sizes and the five LOGFONTs of the frame painters and
// of the class library's message boxes, status bars and menus.
//
// The sizes follow the system metrics (iCaptionHeight is SM_CYCAPTION less the line under the
// bar, iCaptionWidth SM_CXSIZE, iSmCaptionHeight SM_CYSMCAPTION - 1, iMenuHeight SM_CYMENU - 1,
// and so on); the fonts are a classic Thai station's at 96 dpi: "Tahoma", lfHeight -11 (8 points),
// THAI_CHARSET, the caption font bold.  A set replaces the whole record for the process until
// ResetNonClientMetrics.  The records keep the platform's layout: 340 bytes in the 8-bit form
// (344 with iPaddedBorderWidth), 500 (504) in the wide form; cbSize must name one of them.
#pragma once

#include "platform/gdi/font_types.h"
#include "platform/user/user_types.h"

inline constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029, SPI_SETNONCLIENTMETRICS = 0x002A;

struct NONCLIENTMETRICSA {
  UINT cbSize;
  int iBorderWidth;
  int iScrollWidth;
  int iScrollHeight;
  int iCaptionWidth;
  int iCaptionHeight;
  LOGFONTA lfCaptionFont;
  int iSmCaptionWidth;
  int iSmCaptionHeight;
  LOGFONTA lfSmCaptionFont;
  int iMenuWidth;
  int iMenuHeight;
  LOGFONTA lfMenuFont;
  LOGFONTA lfStatusFont;
  LOGFONTA lfMessageFont;
  int iPaddedBorderWidth;
};

struct NONCLIENTMETRICSW {
  UINT cbSize;
  int iBorderWidth;
  int iScrollWidth;
  int iScrollHeight;
  int iCaptionWidth;
  int iCaptionHeight;
  LOGFONTW lfCaptionFont;
  int iSmCaptionWidth;
  int iSmCaptionHeight;
  LOGFONTW lfSmCaptionFont;
  int iMenuWidth;
  int iMenuHeight;
  LOGFONTW lfMenuFont;
  LOGFONTW lfStatusFont;
  LOGFONTW lfMessageFont;
  int iPaddedBorderWidth;
};

static_assert(sizeof(NONCLIENTMETRICSA) == 344 && sizeof(NONCLIENTMETRICSW) == 504);

namespace user {

// The current metrics (cbSize 344).
NONCLIENTMETRICSA NonClientMetrics();
// SPI_GETNONCLIENTMETRICS / SPI_SETNONCLIENTMETRICS on a caller's record; false for a wrong cbSize.
bool GetNonClientMetrics(NONCLIENTMETRICSA* out);
bool GetNonClientMetrics(NONCLIENTMETRICSW* out);
bool SetNonClientMetrics(const NONCLIENTMETRICSA* in);
bool SetNonClientMetrics(const NONCLIENTMETRICSW* in);
// Tests: back to the values above.
void ResetNonClientMetrics();

}  // namespace user
