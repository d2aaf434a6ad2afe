#include "platform/user/input_events.h"

#include "platform/os/clock.h"
#include "platform/user/cursor.h"
#include "platform/user/input_state.h"
#include "platform/user/key_state.h"
#include "platform/user/message_queue.h"
#include "platform/user/virtual_keys.h"

namespace user {

namespace {

InputEvent Stamped(InputEvent e) {
  e.pt = CursorPosition();
  e.altDown = IsKeyDown(KeyStateKind::Async, VK_MENU);
  e.ctrlDown = IsKeyDown(KeyStateKind::Async, VK_CONTROL);
  e.time = GetTickCount();
  return e;
}

int ButtonKey(MouseButton b) {
  switch (b) {
    case MouseButton::Left: return VK_LBUTTON;
    case MouseButton::Right: return VK_RBUTTON;
    case MouseButton::Middle: return VK_MBUTTON;
    case MouseButton::X1: return VK_XBUTTON1;
    case MouseButton::X2: return VK_XBUTTON2;
  }
  return 0;
}

// Set-1 scan codes of the keys that have one, by virtual key.
struct ScanEntry {
  int vk;
  int scan;
};
constexpr ScanEntry kScanCodes[] = {
    {VK_ESCAPE, 0x01}, {'1', 0x02}, {'2', 0x03}, {'3', 0x04}, {'4', 0x05}, {'5', 0x06}, {'6', 0x07},
    {'7', 0x08}, {'8', 0x09}, {'9', 0x0A}, {'0', 0x0B}, {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D},
    {VK_BACK, 0x0E}, {VK_TAB, 0x0F}, {'Q', 0x10}, {'W', 0x11}, {'E', 0x12}, {'R', 0x13}, {'T', 0x14},
    {'Y', 0x15}, {'U', 0x16}, {'I', 0x17}, {'O', 0x18}, {'P', 0x19}, {VK_OEM_4, 0x1A}, {VK_OEM_6, 0x1B},
    {VK_RETURN, 0x1C}, {VK_CONTROL, 0x1D}, {'A', 0x1E}, {'S', 0x1F}, {'D', 0x20}, {'F', 0x21}, {'G', 0x22},
    {'H', 0x23}, {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {VK_OEM_1, 0x27}, {VK_OEM_7, 0x28}, {VK_OEM_3, 0x29},
    {VK_SHIFT, 0x2A}, {VK_OEM_5, 0x2B}, {'Z', 0x2C}, {'X', 0x2D}, {'C', 0x2E}, {'V', 0x2F}, {'B', 0x30},
    {'N', 0x31}, {'M', 0x32}, {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35},
    {VK_MULTIPLY, 0x37}, {VK_MENU, 0x38}, {VK_SPACE, 0x39}, {VK_CAPITAL, 0x3A}, {VK_F1, 0x3B}, {VK_F2, 0x3C},
    {VK_F3, 0x3D}, {VK_F4, 0x3E}, {VK_F5, 0x3F}, {VK_F6, 0x40}, {VK_F7, 0x41}, {VK_F8, 0x42}, {VK_F9, 0x43},
    {VK_F10, 0x44}, {VK_NUMLOCK, 0x45}, {VK_SCROLL, 0x46}, {VK_HOME, 0x47}, {VK_UP, 0x48}, {VK_PRIOR, 0x49},
    {VK_SUBTRACT, 0x4A}, {VK_LEFT, 0x4B}, {VK_RIGHT, 0x4D}, {VK_ADD, 0x4E}, {VK_END, 0x4F}, {VK_DOWN, 0x50},
    {VK_NEXT, 0x51}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53}, {VK_F11, 0x57}, {VK_F12, 0x58}, {VK_LWIN, 0x5B},
    {VK_RWIN, 0x5C}, {VK_APPS, 0x5D}, {VK_DIVIDE, 0x35}};

// The shifted characters of the digit row and the punctuation keys.
char16_t Punctuation(int vk, bool shift) {
  static constexpr char kDigitsShifted[] = ")!@#$%^&*(";
  if (vk >= '0' && vk <= '9') return shift ? char16_t(kDigitsShifted[vk - '0']) : char16_t(vk);
  const struct {
    int vk;
    char plain, shifted;
  } keys[] = {{VK_OEM_1, ';', ':'}, {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'},
              {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
              {VK_OEM_3, '`', '~'}, {VK_OEM_4, '[', '{'}, {VK_OEM_5, '\\', '|'}, {VK_OEM_6, ']', '}'},
              {VK_OEM_7, '\'', '"'}};
  for (const auto& k : keys)
    if (k.vk == vk) return char16_t(shift ? k.shifted : k.plain);
  return 0;
}

}  // namespace

InputQueue& InputQueue::Instance() {
  static InputQueue queue;
  return queue;
}

void InputQueue::Push(const InputEvent& event) {
  {
    std::lock_guard lock(mutex_);
    if (event.kind == InputEvent::Kind::MouseMove && !events_.empty() &&
        events_.back().kind == InputEvent::Kind::MouseMove)
      events_.back() = event;
    else
      events_.push_back(event);
  }
  MessageQueue::WakeAll();
}

std::optional<InputEvent> InputQueue::At(std::size_t index) const {
  std::lock_guard lock(mutex_);
  if (index >= events_.size()) return std::nullopt;
  return events_[index];
}

void InputQueue::Erase(std::size_t index) {
  std::lock_guard lock(mutex_);
  if (index < events_.size()) events_.erase(events_.begin() + std::ptrdiff_t(index));
}

void InputQueue::Clear() {
  std::lock_guard lock(mutex_);
  events_.clear();
}

std::size_t InputQueue::Size() const {
  std::lock_guard lock(mutex_);
  return events_.size();
}

void InjectMouseMove(int x, int y) {
  MoveCursorPosition(ClippedCursorPoint({x, y}));
  InputEvent e;
  e.kind = InputEvent::Kind::MouseMove;
  InputQueue::Instance().Push(Stamped(e));
}

void InjectMouseButton(MouseButton button, bool down) {
  UpdateKeyState(KeyStateKind::Async, ButtonKey(button), down, false);
  InputEvent e;
  e.kind = InputEvent::Kind::MouseButton;
  e.button = button;
  e.down = down;
  e.vk = ButtonKey(button);
  InputQueue::Instance().Push(Stamped(e));
}

void InjectMouseWheel(int delta, bool horizontal) {
  InputEvent e;
  e.kind = horizontal ? InputEvent::Kind::HorizontalWheel : InputEvent::Kind::Wheel;
  e.wheelDelta = delta;
  InputQueue::Instance().Push(Stamped(e));
}

void InjectKey(int vk, bool down, bool extended, char16_t translated) {
  InputEvent e;
  e.kind = InputEvent::Kind::Key;
  e.vk = vk;
  e.down = down;
  e.extended = extended || IsExtendedKey(vk);
  e.scanCode = ScanCodeOf(vk);
  // The character is fixed by the modifiers before this key changes them.
  e.ch = translated != kLayoutChar
             ? translated
             : LayoutChar(vk, IsKeyDown(KeyStateKind::Async, VK_SHIFT), IsKeyDown(KeyStateKind::Async, VK_CONTROL),
                          IsKeyToggled(KeyStateKind::Async, VK_CAPITAL));
  e = Stamped(e);
  UpdateKeyState(KeyStateKind::Async, vk, down, e.extended);
  InputQueue::Instance().Push(e);
}

void InjectText(std::u16string_view text) {
  for (char16_t c : text) {
    InputEvent e;
    e.kind = InputEvent::Kind::Char;
    e.ch = c;
    InputQueue::Instance().Push(Stamped(e));
  }
}

char16_t LayoutChar(int vk, bool shift, bool ctrl, bool capsLock) {
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return char16_t(vk - 'A' + 1);
    return char16_t(shift != capsLock ? vk : vk - 'A' + 'a');
  }
  if (ctrl) return 0;
  switch (vk) {
    case VK_SPACE: return u' ';
    case VK_RETURN: return u'\r';
    case VK_BACK: return 0x08;
    case VK_TAB: return u'\t';
    case VK_ESCAPE: return 0x1B;
    case VK_MULTIPLY: return u'*';
    case VK_ADD: return u'+';
    case VK_SUBTRACT: return u'-';
    case VK_DIVIDE: return u'/';
    default: break;
  }
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return char16_t('0' + vk - VK_NUMPAD0);
  return Punctuation(vk, shift);
}

int ScanCodeOf(int vk) {
  for (const ScanEntry& e : kScanCodes)
    if (e.vk == vk) return e.scan;
  return 0;
}

bool IsExtendedKey(int vk) {
  switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_DIVIDE: case VK_APPS:
    case VK_LWIN: case VK_RWIN: case VK_RCONTROL: case VK_RMENU: case VK_NUMLOCK:
      return true;
    default:
      return false;
  }
}

}  // namespace user
