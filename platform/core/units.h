// Unit initialisation and finalisation in one fixed, explicit order, and Halt.
//
// A unit is a name with an initialisation and a finalisation function (either may be null).  The
// program hands its ordered list of units to `InitializeUnits`; each unit is initialised once, in
// list order, however often it is listed.  `FinalizeUnits` (and `Halt`, and a failing
// initialisation) finalises the initialised units in reverse order, each once.
// Invariants: a unit is finalised only after it was initialised, never twice; after a failed
// `InitializeUnits` no unit is left initialised.
#pragma once

#include <initializer_list>
#include <span>

#include "platform/core/types.h"

struct Unit {
  const char* name;
  void (*initialize)();
  void (*finalize)();
};

// Initialises, in order, each unit of `units` that is not initialised yet.  When an initialisation
// throws, every initialised unit is finalised (reverse order) and the exception goes on.
void InitializeUnits(std::span<const Unit> units);
inline void InitializeUnits(std::initializer_list<Unit> units) {
  InitializeUnits(std::span<const Unit>(units.begin(), units.size()));
}
// Finalises every initialised unit in reverse order.  A finalisation that throws does not stop the
// others; the first exception goes on once all have run.
void FinalizeUnits();
bool IsUnitInitialized(const char* name);

// Runs the finalisations and ends the process with `exitCode`.
[[noreturn]] void Halt(Integer exitCode);
