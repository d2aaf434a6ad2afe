// The initialised-units stack behind InitializeUnits / FinalizeUnits / Halt (see units.h).
#include "platform/core/units.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <vector>

namespace {

// Units in the order they were initialised; a unit leaves the stack before its finalisation
// runs, so a finalisation that calls Halt or FinalizeUnits never runs a unit twice.
struct Initialized {
  std::recursive_mutex mutex;
  std::vector<Unit> stack;
};

Initialized& State() {
  static Initialized state;
  return state;
}

bool Contains(const std::vector<Unit>& stack, const char* name) {
  for (const Unit& unit : stack)
    if (std::strcmp(unit.name, name) == 0) return true;
  return false;
}

}  // namespace

void InitializeUnits(std::span<const Unit> units) {
  Initialized& s = State();
  std::lock_guard lock(s.mutex);
  for (const Unit& unit : units) {
    if (Contains(s.stack, unit.name)) continue;
    try {
      if (unit.initialize) unit.initialize();
    } catch (...) {
      FinalizeUnits();
      throw;
    }
    s.stack.push_back(unit);
  }
}

void FinalizeUnits() {
  Initialized& s = State();
  std::lock_guard lock(s.mutex);
  std::exception_ptr first;
  while (!s.stack.empty()) {
    const Unit unit = s.stack.back();
    s.stack.pop_back();
    try {
      if (unit.finalize) unit.finalize();
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  if (first) std::rethrow_exception(first);
}

bool IsUnitInitialized(const char* name) {
  Initialized& s = State();
  std::lock_guard lock(s.mutex);
  return Contains(s.stack, name);
}

void Halt(Integer exitCode) {
  try {
    FinalizeUnits();
  } catch (...) {
    // The process ends with the code asked for; a failing finalisation cannot change that.
  }
  std::exit(exitCode);
}
