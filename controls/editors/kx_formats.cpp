#include "controls/editors/kx_formats.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "controls/editors/kx_date_utils.h"
#include "controls/editors/kx_format_builders.h"
#include "controls/editors/kx_smart_input_expression.h"
#include "platform/core/format_settings.h"
#include "platform/core/units.h"
#include "platform/os/locale.h"
#include "platform/ui/application.h"
#include "platform/ui/object_instance.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"

namespace {

TkxFormatController* theController = nullptr;
// The controller GetFormatController made (and the unit's end frees).
std::unique_ptr<TkxFormatController> madeController;

bool IsIntlChange(const TMessage& Message) {
  const char* section = reinterpret_cast<const char*>(Message.LParam);
  return Message.WParam == 0 && section != nullptr && std::strcmp(section, "intl") == 0;
}

}  // namespace

TkxFormatController::TkxFormatController() {
  if (theController == nullptr) theController = this;
  Refresh();
}

TkxFormatController::~TkxFormatController() {
  if (messageWindow_ != nullptr) DeallocateHWnd(messageWindow_);
  if (theController == this) theController = nullptr;
}

void TkxFormatController::Refresh() {
  if (!PinnedCurrencyFormat) CurrencyText = BuildCurrencyFormat();
  if (!PinnedWeekStart) WeekStartDay = ReadLocaleFirstDayOfWeek();
  RebuildMasks();
  DateEditText = BuildDateEditText(FormatSettings.ShortDateFormat);
}

void TkxFormatController::RebuildMasks() {
  BuildFormatInfo(FormatSettings.ShortDateFormat, DateLayout);
  BuildFormatInfo(FormatSettings.LongTimeFormat, TimeLayout);
  BuildFormatInfo(FormatSettings.ShortDateFormat + " " + FormatSettings.LongTimeFormat, DateTimeLayout);
  GeneratedDateMask = BuildClassicMask(DateLayout);
  if (!PinnedClassicDateMask) ClassicDateMask = GeneratedDateMask;
  const std::string dateMask = BuildRegExprMask(DateLayout, TkxFormatGroup::Date);
  if (!PinnedDateRegExprMask) {
    DateRegExprMask = dateMask;
    BuildSmartInputExpression(DateRegExprMask, false);
  }
  if (!PinnedDateTimeRegExprMask) {
    DateTimeRegExprMask = dateMask + " ' '(" + BuildRegExprMask(TimeLayout, TkxFormatGroup::Time) + ")?";
    BuildSmartInputExpression(DateTimeRegExprMask, true);
  }
  if (!PinnedClassicDateTimeMask) ClassicDateTimeMask = BuildClassicMask(DateTimeLayout);
  DateDisplayFormat = BuildDisplayFormat(DateLayout);
  DateTimeDisplayFormat = BuildDisplayFormat(DateTimeLayout);
}

void TkxFormatController::AddListener(IkxFormatListener* Listener) {
  if (std::find(listeners_.begin(), listeners_.end(), Listener) != listeners_.end()) return;
  if (listeners_.empty()) {
    TWndMethod method;
    method = [this](TMessage& m) { WindowProcedure(m); };
    messageWindow_ = AllocateHWnd(method);
  }
  listeners_.push_back(Listener);
}

void TkxFormatController::RemoveListener(IkxFormatListener* Listener) {
  const auto found = std::find(listeners_.begin(), listeners_.end(), Listener);
  if (found == listeners_.end()) return;
  listeners_.erase(found);
  if (listeners_.empty() && messageWindow_ != nullptr) {
    DeallocateHWnd(messageWindow_);
    messageWindow_ = nullptr;
  }
}

void TkxFormatController::WindowProcedure(TMessage& Message) {
  try {
    HandleMessage(Message);
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(nullptr);
  }
}

void TkxFormatController::HandleMessage(TMessage& Message) {
  const bool reloads = Application == nullptr || Application->UpdateFormatSettings();
  if (Message.Msg == WM_WININICHANGE && IsIntlChange(Message) && reloads) {
    GetFormatSettings();
    Refresh();
    NotifyFormatChanged();
    Message.Result = 0;
  } else if (Message.Msg == WM_TIMECHANGE) {
    NotifyTimeChanged();
    Message.Result = 0;
  } else {
    Message.Result = DefWindowProcA(messageWindow_, Message.Msg, Message.WParam, Message.LParam);
  }
}

// Listeners may remove themselves while being told: a copy is walked, and one removed meanwhile
// is skipped.
void TkxFormatController::NotifyFormatChanged() {
  const std::vector<IkxFormatListener*> listeners = listeners_;
  for (IkxFormatListener* listener : listeners)
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) listener->FormatChanged();
}

void TkxFormatController::NotifyTimeChanged() {
  const std::vector<IkxFormatListener*> listeners = listeners_;
  for (IkxFormatListener* listener : listeners) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) continue;
    if (auto* timeListener = dynamic_cast<IkxTimeChangeListener*>(listener)) timeListener->TimeChanged();
  }
}

TkxFormatController* GetFormatController() {
  if (theController == nullptr) madeController = std::make_unique<TkxFormatController>();
  return theController;
}

const Unit kxFormatsUnit{"kxFormats", nullptr, [] { madeController.reset(); }};
