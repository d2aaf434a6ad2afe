#include "platform/ui/shortcuts.h"

#include "platform/core/ansi_strings.h"
#include "platform/ui/message.h"
#include "platform/user/virtual_keys.h"

namespace {

constexpr Word kModifierBits = scShift | scCtrl | scAlt;
constexpr const char* kShiftText = "Shift+";
constexpr const char* kCtrlText = "Ctrl+";
constexpr const char* kAltText = "Alt+";

// Names of the keys between Space (0x20) and Down (0x28), in key order.
constexpr const char* kNavigationNames[] = {"Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};

std::string KeyName(Byte Key) {
  if (Key == VK_BACK) return "BkSp";
  if (Key == VK_TAB) return "Tab";
  if (Key == VK_RETURN) return "Enter";
  if (Key == VK_ESCAPE) return "Esc";
  if (Key >= VK_SPACE && Key <= VK_DOWN) return kNavigationNames[Key - VK_SPACE];
  if (Key == VK_INSERT) return "Ins";
  if (Key == VK_DELETE) return "Del";
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, static_cast<char>(Key));
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return std::string(1, static_cast<char>('0' + Key - VK_NUMPAD0));
  if (Key >= VK_F1 && Key <= VK_F24) return "F" + std::to_string(Key - VK_F1 + 1);
  return "";
}

// Removes Front from the start of Text (ignoring case) when it is there.
bool TakeFront(std::string_view& Text, std::string_view Front) {
  if (Text.size() < Front.size() || !SameText(Text.substr(0, Front.size()), Front)) return false;
  Text.remove_prefix(Front.size());
  return true;
}

}  // namespace

TShortCut ShortCut(Word Key, TShiftState Shift) {
  if (Key > 0xFF) return scNone;
  TShortCut result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift) {
  Key = ShortCut & ~kModifierBits;
  Shift = {};
  if ((ShortCut & scShift) != 0) Shift.Include(ssShift);
  if ((ShortCut & scCtrl) != 0) Shift.Include(ssCtrl);
  if ((ShortCut & scAlt) != 0) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut ShortCut) {
  const std::string name = KeyName(static_cast<Byte>(ShortCut & 0xFF));
  if (name.empty()) return "";
  std::string result;
  if ((ShortCut & scShift) != 0) result += kShiftText;
  if ((ShortCut & scCtrl) != 0) result += kCtrlText;
  if ((ShortCut & scAlt) != 0) result += kAltText;
  return result + name;
}

TShortCut TextToShortCut(std::string_view Text) {
  TShortCut modifiers = 0;
  for (;;) {
    if (TakeFront(Text, kShiftText)) modifiers |= scShift;
    else if (TakeFront(Text, "^") || TakeFront(Text, kCtrlText)) modifiers |= scCtrl;
    else if (TakeFront(Text, kAltText)) modifiers |= scAlt;
    else break;
  }
  if (Text.empty()) return scNone;
  for (Word key = VK_BACK; key <= 0xFF; ++key)
    if (SameText(Text, KeyName(static_cast<Byte>(key)))) return static_cast<TShortCut>(key | modifiers);
  return scNone;
}

TShortCut ShortCutOfKeyMessage(const TMessage& Message) {
  return ShortCut(MessageCharCode(Message), KeyDataToShiftState(static_cast<Integer>(Message.LParam)));
}
