// The format controller (unit kxFormats): one process-wide TkxFormatController turns the locale's
// date, time and currency settings (FormatSettings) into the formats and edit masks the editors
// use, and tells its listeners when the regional settings or the system time change.
//
// Values follow the locale: Refresh (at creation and on each "intl" change) rebuilds them all.
// The message window that receives WM_SETTINGCHANGE and WM_TIMECHANGE exists only while at least
// one listener is registered.  Listeners are held without ownership; each removes itself before
// it is freed.  GUI thread only.
#pragma once

#include <string>
#include <vector>

#include "controls/editors/kx_format_info.h"
#include "platform/core/units.h"
#include "platform/ui/message.h"

// Told after the formats were reloaded.
class IkxFormatListener {
 public:
  virtual void FormatChanged() = 0;

 protected:
  ~IkxFormatListener() = default;
};

// A format listener that also implements this interface is told when the system time changed.
class IkxTimeChangeListener {
 public:
  virtual void TimeChanged() = 0;

 protected:
  ~IkxTimeChangeListener() = default;
};

class TkxFormatController {
 public:
  // The first controller created becomes the one GetFormatController answers.
  TkxFormatController();
  virtual ~TkxFormatController();
  TkxFormatController(const TkxFormatController&) = delete;
  TkxFormatController& operator=(const TkxFormatController&) = delete;

  virtual void HandleMessage(TMessage& Message);
  virtual void AddListener(IkxFormatListener* Listener);
  virtual void RemoveListener(IkxFormatListener* Listener);

  // Rebuilds every value from FormatSettings and the locale (pinned values are kept).
  void Refresh();
  void RebuildMasks();

  bool PinnedCurrencyFormat = false;
  bool PinnedDateRegExprMask = false;
  bool PinnedDateTimeRegExprMask = false;
  bool PinnedClassicDateMask = false;
  bool PinnedClassicDateTimeMask = false;
  bool PinnedWeekStart = false;

  std::string CurrencyText;
  std::string DateEditText;
  std::string GeneratedDateMask;
  TkxDateTimeFormatInfo DateLayout;
  TkxDateTimeFormatInfo DateTimeLayout;
  Byte FirstWeekRule = 0;   // 0: the locale's rule
  std::string DateDisplayFormat;
  std::string DateTimeDisplayFormat;
  std::string DateRegExprMask;
  std::string DateTimeRegExprMask;
  std::string ClassicDateMask;
  std::string ClassicDateTimeMask;
  Byte WeekStartDay = 0;    // 0 = Sunday ... 6 = Saturday
  TkxDateTimeFormatInfo TimeLayout;
  bool UsePlatformFormats = false;

  HWND MessageWindow() const { return messageWindow_; }
  const std::vector<IkxFormatListener*>& Listeners() const { return listeners_; }

 private:
  void WindowProcedure(TMessage& Message);
  void NotifyFormatChanged();
  void NotifyTimeChanged();

  std::vector<IkxFormatListener*> listeners_;
  HWND messageWindow_ = nullptr;
};

// The single controller, created on first use; freed when the unit kxFormats ends.
TkxFormatController* GetFormatController();

extern const Unit kxFormatsUnit;
