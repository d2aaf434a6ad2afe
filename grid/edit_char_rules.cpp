// The numeric editor kinds' typing rules; see edit_char_rules.h.
#include "grid/edit_char_rules.h"

#include <string>

#include "platform/core/format_settings.h"
#include "platform/ui/edit.h"
#include "platform/user/key_state.h"
#include "platform/user/message_beep.h"
#include "platform/user/virtual_keys.h"

namespace {

bool IsControlChar(char Ch) { return Ch == 0x08 || Ch == 0x09 || Ch == 0x0D || Ch == 0x1B; }
bool IsDigit(char Ch) { return Ch >= '0' && Ch <= '9'; }

}   // namespace

bool AcceptNumericChar(TCustomEdit& Edit, char Ch, bool Signed) {
  if (Signed && Ch == '-' && Edit.SelStart() == 0 && Edit.Text().find('-') == std::string::npos) return true;
  if (IsControlChar(Ch) || IsDigit(Ch)) return true;
  MessageBeep(0);
  return false;
}

bool AcceptFloatChar(TCustomEdit& Edit, char Ch) {
  const std::string text = Edit.Text();
  const std::string selected = Edit.SelText();
  if (Ch == FormatSettings.DecimalSeparator)
    return text.find(Ch) == std::string::npos || selected.find(Ch) != std::string::npos;
  if (Ch == FormatSettings.ThousandSeparator) return false;
  if (Ch == '-') {
    const bool allowed = (Edit.SelStart() == 0 && text.find('-') == std::string::npos) ||
                         selected.find('-') != std::string::npos;
    if (!allowed) MessageBeep(0);
    return allowed;
  }
  if (IsControlChar(Ch) || IsDigit(Ch) || Ch == ',' || Ch == '.') return true;
  return GetKeyState(VK_CONTROL) < 0;
}
