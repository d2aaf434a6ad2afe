#include "platform/user/key_state.h"

#include <array>
#include <atomic>

#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"

namespace user {

namespace {

std::array<std::atomic<BYTE>, 256>& States(KeyStateKind kind) {
  static std::array<std::atomic<BYTE>, 256> sync{}, async{};
  return kind == KeyStateKind::Sync ? sync : async;
}

void Set(KeyStateKind kind, int vk, bool down) {
  auto& s = States(kind)[std::size_t(vk & 0xFF)];
  BYTE v = s.load();
  const bool wasDown = (v & 0x80) != 0;
  if (down && !wasDown) v ^= 0x01;
  v = BYTE(down ? (v | 0x80) : (v & ~0x80));
  s.store(v);
}

// Which sided key an event of a generic modifier means.
int SidedKey(int vk, bool extended) {
  switch (vk) {
    case VK_SHIFT: return VK_LSHIFT;   // the right Shift key is told apart by its scan code only
    case VK_CONTROL: return extended ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU: return extended ? VK_RMENU : VK_LMENU;
    default: return 0;
  }
}

int GenericKey(int vk) {
  switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return 0;
  }
}

}  // namespace

void UpdateKeyState(KeyStateKind kind, int vk, bool down, bool extended) {
  if (const int sided = SidedKey(vk, extended); sided != 0) {
    Set(kind, sided, down);
  } else if (const int generic = GenericKey(vk); generic != 0) {
    Set(kind, vk, down);
    vk = generic;
  }
  Set(kind, vk, down);
}

bool IsKeyDown(KeyStateKind kind, int vk) { return (States(kind)[std::size_t(vk & 0xFF)].load() & 0x80) != 0; }

bool IsKeyToggled(KeyStateKind kind, int vk) { return (States(kind)[std::size_t(vk & 0xFF)].load() & 0x01) != 0; }

WPARAM MouseKeyFlags() {
  const std::pair<int, WPARAM> map[] = {{VK_LBUTTON, MK_LBUTTON}, {VK_RBUTTON, MK_RBUTTON},
                                        {VK_MBUTTON, MK_MBUTTON}, {VK_XBUTTON1, MK_XBUTTON1},
                                        {VK_XBUTTON2, MK_XBUTTON2}, {VK_SHIFT, MK_SHIFT},
                                        {VK_CONTROL, MK_CONTROL}};
  WPARAM flags = 0;
  for (auto [vk, flag] : map)
    if (IsKeyDown(KeyStateKind::Sync, vk)) flags |= flag;
  return flags;
}

void ResetKeyState() {
  for (KeyStateKind kind : {KeyStateKind::Sync, KeyStateKind::Async})
    for (auto& s : States(kind)) s.store(0);
}

}  // namespace user

using namespace user;

std::int16_t GetKeyState(int vk) {
  const BYTE v = States(KeyStateKind::Sync)[std::size_t(vk & 0xFF)].load();
  return std::int16_t((v & 0x80 ? 0x8000 : 0) | (v & 0x01));
}

std::int16_t GetAsyncKeyState(int vk) {
  return std::int16_t(IsKeyDown(KeyStateKind::Async, vk) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* state256) {
  if (state256 == nullptr) return FALSE;
  auto& s = States(KeyStateKind::Sync);
  for (std::size_t i = 0; i < 256; ++i) state256[i] = s[i].load();
  return TRUE;
}

BOOL SetKeyboardState(const BYTE* state256) {
  if (state256 == nullptr) return FALSE;
  auto& s = States(KeyStateKind::Sync);
  for (std::size_t i = 0; i < 256; ++i) s[i].store(state256[i]);
  return TRUE;
}
