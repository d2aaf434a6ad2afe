// Raw input: the mouse, keyboard and text events a backend (or a test) injects, in the order they
// happened, before the window layer turns them into messages.
//
// Injection may come from any thread.  Each event is stamped with the tick count of the injectable
// clock, moves the cursor and updates the asynchronous key state at once (GetAsyncKeyState,
// GetCursorPos); the messages come later, when the interface thread looks for messages.
// Consecutive mouse moves are merged (only the last position counts), as the platform does.
#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string_view>

#include "platform/user/user_types.h"

namespace user {

enum class MouseButton { Left, Right, Middle, X1, X2 };

struct InputEvent {
  enum class Kind { MouseMove, MouseButton, Wheel, HorizontalWheel, Key, Char };
  Kind kind = Kind::MouseMove;
  TPoint pt;                  // cursor position, screen coordinates
  MouseButton button = MouseButton::Left;
  bool down = false;
  int wheelDelta = 0;
  int vk = 0;
  int scanCode = 0;
  bool extended = false;
  char16_t ch = 0;            // Key: what TranslateMessage makes of it (0: nothing); Char: the character
  bool altDown = false;       // modifier state when the event happened
  bool ctrlDown = false;
  DWORD time = 0;
};

// Marks a key whose character comes from the keyboard layout (see InjectKey).
inline constexpr char16_t kLayoutChar = 0xFFFF;

void InjectMouseMove(int x, int y);
// At the current cursor position.
void InjectMouseButton(MouseButton button, bool down);
void InjectMouseWheel(int delta, bool horizontal = false);
// `translated`: the character TranslateMessage makes of the key press; kLayoutChar takes it from
// the US keyboard layout and the current modifier state; 0 gives none (the display delivers the
// text separately, see InjectText).
void InjectKey(int vk, bool down, bool extended = false, char16_t translated = kLayoutChar);
// Text from an input method or the display's text input: one WM_CHAR per UTF-16 unit for the focus
// window (code page 874 bytes for 8-bit windows).
void InjectText(std::u16string_view text);

class InputQueue {
 public:
  static InputQueue& Instance();
  void Push(const InputEvent& event);
  std::optional<InputEvent> At(std::size_t index) const;
  void Erase(std::size_t index);
  void Clear();
  std::size_t Size() const;

 private:
  mutable std::mutex mutex_;
  std::deque<InputEvent> events_;
};

// The character the US layout gives for a key with the modifiers (0 for none).
char16_t LayoutChar(int vk, bool shift, bool ctrl, bool capsLock);
// The keyboard scan code of a virtual key (set 1), and whether the key is an extended one.
int ScanCodeOf(int vk);
bool IsExtendedKey(int vk);

}  // namespace user
