#include "platform/classes/integer_idents.h"

#include <mutex>
#include <vector>

#include "platform/core/ansi_strings.h"

namespace {

struct Converters {
  const TTypeInfo* type;
  TIdentToInt identToInt;
  TIntToIdent intToIdent;
};

struct Registry {
  std::mutex mutex;
  std::vector<Converters> list;
  const Converters* Find(const TTypeInfo* type) {
    for (const Converters& c : list)
      if (c.type == type) return &c;
    return nullptr;
  }
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

bool IdentToInt(std::string_view Ident, Integer& Int, std::span<const TIdentMapEntry> Map) {
  for (const TIdentMapEntry& e : Map) {
    if (SameText(e.Name, Ident)) {
      Int = e.Value;
      return true;
    }
  }
  return false;
}

bool IntToIdent(Integer Int, std::string& Ident, std::span<const TIdentMapEntry> Map) {
  for (const TIdentMapEntry& e : Map) {
    if (e.Value == Int) {
      Ident = e.Name;
      return true;
    }
  }
  return false;
}

void RegisterIntegerConsts(const TTypeInfo* IntegerType, TIdentToInt IdentToIntFn, TIntToIdent IntToIdentFn) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  r.list.push_back({IntegerType, IdentToIntFn, IntToIdentFn});
}

TIdentToInt FindIdentToInt(const TTypeInfo* IntegerType) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  const Converters* c = r.Find(IntegerType);
  return c != nullptr ? c->identToInt : nullptr;
}

TIntToIdent FindIntToIdent(const TTypeInfo* IntegerType) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  const Converters* c = r.Find(IntegerType);
  return c != nullptr ? c->intToIdent : nullptr;
}

bool IdentToIntegerConst(const TTypeInfo* IntegerType, std::string_view Ident, Integer& Int) {
  const TIdentToInt convert = FindIdentToInt(IntegerType);
  return convert != nullptr && convert(Ident, Int);
}

bool IntegerConstToIdent(const TTypeInfo* IntegerType, Integer Int, std::string& Ident) {
  const TIntToIdent convert = FindIntToIdent(IntegerType);
  return convert != nullptr && convert(Int, Ident);
}
