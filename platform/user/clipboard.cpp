#include "platform/user/clipboard.h"

#include <algorithm>
#include <optional>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/os/os_error.h"
#include "platform/user/atom_table.h"
#include "platform/user/backend.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/text_copy.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

struct Entry {
  UINT format;
  HANDLE data;         // nullptr: rendered on request (WM_RENDERFORMAT)
  bool synthesized;
};

struct Clipboard {
  bool open = false;
  HWND openedBy = nullptr;
  HWND owner = nullptr;
  std::vector<Entry> entries;
  bool changed = false;         // emptied or set since it was opened
  std::u16string mirrored;      // the text last exchanged with the system clipboard
};

Clipboard& State() {
  static Clipboard clipboard;
  return clipboard;
}

bool IsText(UINT format) { return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT; }

bool RequireOpen() {
  if (State().open) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

Entry* Find(UINT format) {
  auto& e = State().entries;
  auto it = std::find_if(e.begin(), e.end(), [&](const Entry& x) { return x.format == format; });
  return it == e.end() ? nullptr : &*it;
}

void Free(const Entry& e) {
  if (e.data == nullptr) return;
  if (e.format == CF_BITMAP || e.format == CF_PALETTE) DeleteObject(e.data);
  else GlobalFree(e.data);
}

HGLOBAL BlockOf(const void* bytes, std::size_t size) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(h), bytes, size);
  GlobalUnlock(h);
  return h;
}

// The zero-terminated text of a block, at most its size.
template <typename Char>
std::basic_string<Char> TextOf(HANDLE data) {
  const auto* p = static_cast<const Char*>(GlobalLock(data));
  const std::size_t max = GlobalSize(data) / sizeof(Char);
  std::basic_string<Char> text;
  for (std::size_t i = 0; p != nullptr && i < max && p[i] != Char(0); ++i) text.push_back(p[i]);
  GlobalUnlock(data);
  return text;
}

// A text format made from the text format that was set.
HANDLE Synthesize(UINT format) {
  const Entry* source = nullptr;
  for (const Entry& e : State().entries)
    if (IsText(e.format) && !e.synthesized && e.data != nullptr) source = &e;
  if (source == nullptr) return nullptr;
  if (format == CF_UNICODETEXT) {
    const std::u16string text = Cp874ToUtf16(TextOf<char>(source->data));
    return BlockOf(text.c_str(), (text.size() + 1) * sizeof(char16_t));
  }
  const std::string text =
      source->format == CF_UNICODETEXT ? Utf16ToCp874(TextOf<char16_t>(source->data)) : TextOf<char>(source->data);
  return BlockOf(text.c_str(), text.size() + 1);
}

// The text formats that can be made from what was set, in the order they are listed.
std::vector<UINT> Synthesizable() {
  std::vector<UINT> made;
  const bool hasText = std::any_of(State().entries.begin(), State().entries.end(),
                                   [](const Entry& e) { return IsText(e.format) && !e.synthesized; });
  if (!hasText) return made;
  for (UINT f : {CF_TEXT, CF_OEMTEXT, CF_UNICODETEXT})
    if (Find(f) == nullptr) made.push_back(f);
  return made;
}

// The text of the set text format, as UTF-16; nullopt when no text was set.
std::optional<std::u16string> SetText() {
  for (const Entry& e : State().entries) {
    if (!IsText(e.format) || e.synthesized || e.data == nullptr) continue;
    return e.format == CF_UNICODETEXT ? TextOf<char16_t>(e.data) : Cp874ToUtf16(TextOf<char>(e.data));
  }
  return std::nullopt;
}

// Text another program put on the system clipboard replaces what this process held.
void TakeSystemText() {
  const std::optional<std::u16string> text = CurrentBackend().SystemClipboardText();
  Clipboard& c = State();
  if (!text || text->empty() || *text == c.mirrored) return;
  for (const Entry& e : c.entries) Free(e);
  c.entries = {{CF_UNICODETEXT, BlockOf(text->c_str(), (text->size() + 1) * sizeof(char16_t)), false}};
  c.owner = nullptr;
  c.mirrored = *text;
}

// What this process set goes to the system clipboard when the clipboard is closed.
void GiveSystemText() {
  Clipboard& c = State();
  const std::optional<std::u16string> text = SetText();
  if (!text) return;
  c.mirrored = *text;
  CurrentBackend().SetSystemClipboardText(*text);
}

}  // namespace

}  // namespace user

using namespace user;

BOOL OpenClipboard(HWND owner) {
  Clipboard& c = State();
  if (c.open) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  TakeSystemText();
  c.open = true;
  c.openedBy = owner;
  c.changed = false;
  return TRUE;
}

BOOL CloseClipboard() {
  Clipboard& c = State();
  if (!RequireOpen()) return FALSE;
  if (c.changed) GiveSystemText();
  c.open = false;
  c.openedBy = nullptr;
  return TRUE;
}

BOOL EmptyClipboard() {
  if (!RequireOpen()) return FALSE;
  Clipboard& c = State();
  if (c.owner != nullptr && W(c.owner) != nullptr) SendMessageA(c.owner, WM_DESTROYCLIPBOARD, 0, 0);
  for (const Entry& e : c.entries) Free(e);
  c.entries.clear();
  c.owner = c.openedBy;
  c.changed = true;
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  if (!RequireOpen() || format == 0) return nullptr;
  State().changed = true;
  if (Entry* e = Find(format)) {
    Free(*e);
    *e = {format, data, false};
  } else {
    State().entries.push_back({format, data, false});
  }
  // What was made from an earlier text no longer matches.
  auto& entries = State().entries;
  for (auto it = entries.begin(); it != entries.end();)
    if (it->synthesized && IsText(format)) {
      Free(*it);
      it = entries.erase(it);
    } else {
      ++it;
    }
  return data;
}

HANDLE GetClipboardData(UINT format) {
  if (!RequireOpen()) return nullptr;
  Clipboard& c = State();
  Entry* e = Find(format);
  if (e != nullptr && e->data == nullptr && c.owner != nullptr) {
    SendMessageA(c.owner, WM_RENDERFORMAT, format, 0);
    e = Find(format);
  }
  if (e != nullptr) return e->data;
  if (!IsText(format)) return nullptr;
  HANDLE made = Synthesize(format);
  if (made != nullptr) c.entries.push_back({format, made, true});
  return made;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  if (Find(format) != nullptr) return TRUE;
  const std::vector<UINT> made = Synthesizable();
  return std::find(made.begin(), made.end(), format) != made.end();
}

UINT EnumClipboardFormats(UINT format) {
  if (!RequireOpen()) return 0;
  std::vector<UINT> all;
  for (const Entry& e : State().entries)
    if (!e.synthesized) all.push_back(e.format);
  for (const Entry& e : State().entries)
    if (e.synthesized) all.push_back(e.format);
  for (UINT f : Synthesizable()) all.push_back(f);
  SetLastError(ERROR_SUCCESS);
  if (format == 0) return all.empty() ? 0 : all.front();
  auto it = std::find(all.begin(), all.end(), format);
  return it == all.end() || it + 1 == all.end() ? 0 : *(it + 1);
}

int CountClipboardFormats() { return int(State().entries.size() + Synthesizable().size()); }

HWND GetClipboardOwner() { return State().owner; }

HWND GetOpenClipboardWindow() { return State().open ? State().openedBy : nullptr; }

UINT RegisterClipboardFormatA(const char* name) { return name ? AtomTable::Instance().Add(name) : 0; }

int GetClipboardFormatNameA(UINT format, char* buffer, int size) {
  const std::string name = AtomTable::Instance().Name(ATOM(format));
  return name.empty() ? 0 : CopyTextOut(name, buffer, size);
}
