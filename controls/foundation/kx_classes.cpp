#include "controls/foundation/kx_classes.h"

#include <cstring>
#include <vector>

#include "platform/core/ansi_strings.h"
#include "platform/os/locale.h"
#include "platform/user/char_next.h"

namespace {

// GetOwner is protected: a descendant may name it for any persistent through a member pointer.
struct OwnerReader : TPersistent {
  static TPersistent* OwnerOf(const TPersistent* p) { return (p->*&OwnerReader::GetOwner)(); }
};

}  // namespace

std::string ExtractRegistryName(std::string_view Text) {
  const Integer bar = Pos("|", Text);
  return std::string(bar == 0 ? Text : Text.substr(0, std::size_t(bar - 1)));
}

std::string ReadLocaleInfoString(LCID Locale, LCTYPE ItemType, const std::string& Default) {
  const Integer size = GetLocaleInfoA(Locale, ItemType, nullptr, 0);
  if (size == 0) return Default;
  std::vector<char> buffer(std::size_t(size), '\0');
  GetLocaleInfoA(Locale, ItemType, buffer.data(), size);
  return std::string(buffer.data(), std::size_t(size - 1));
}

const char* CharPtrAt(const std::string& Text, Integer Position) { return Text.c_str() + (Position - 1); }

Integer GetCharLengthAt(const std::string& Text, Integer Position) {
  const char* character = CharPtrAt(Text, Position);
  return Integer(CharNextA(character) - character);
}

TSize MakeSize(Integer cx, Integer cy) { return {cx, cy}; }

Integer GetMidpoint(Integer A, Integer B) {
  const Int64 sum = Int64(A) + B;
  return Integer(sum >= 0 ? sum / 2 : -((-sum + 1) / 2));
}

Integer GetSignFactor(double Value) { return Value >= 0.0 ? 1 : -1; }

void MoveBytes(const void* Source, void* Destination, Integer Count) {
  if (Count > 0) std::memmove(Destination, Source, std::size_t(Count));
}

void CallNotifyEvent(TObject* Sender, const TNotifyEvent& Event) { Event(Sender); }

TPersistent* GetPersistentOwner(const TPersistent* APersistent) { return OwnerReader::OwnerOf(APersistent); }

std::string LoadResStringOrReplacement(PResStringRec ResString) { return LoadResString(ResString); }
