// The seedable random source: xoshiro256** seeded through splitmix64, so one seed gives the same
// sequence on every platform, compiler and build.
//
// `RandomSource` is a value generator that code owning its own sequence can keep.  The free
// functions are the class library's process-wide generator (Random, RandomFloat, Randomize,
// RandSeed); they are thread-safe.  Randomize seeds from the real time unless a test pinned the
// seed with `ScopedRandomSeed`, so a test that pins a seed sees the same numbers on every run
// even when the code under test calls Randomize.
// Invariants: Random(n) is in 0..n-1 and free of modulo bias; RandomFloat() is in [0, 1) with 53
// random bits.
#pragma once

#include "platform/core/types.h"

class RandomSource {
 public:
  explicit RandomSource(UInt64 seed) { Seed(seed); }

  void Seed(UInt64 seed);
  UInt64 Next();                 // 64 random bits
  Integer Random(Integer range); // 0..range-1; 0 when range <= 0
  double RandomFloat();          // [0, 1)

 private:
  UInt64 state_[4];
};

Integer Random(Integer range);
double RandomFloat();
void Randomize();
// The seed the process-wide sequence last started from; setting it restarts the sequence.
Integer RandSeed();
void SetRandSeed(Integer seed);

// For tests: starts the process-wide sequence from `seed` and makes Randomize leave it alone until
// the scope ends.
class ScopedRandomSeed {
 public:
  explicit ScopedRandomSeed(Integer seed);
  ~ScopedRandomSeed();
  ScopedRandomSeed(const ScopedRandomSeed&) = delete;
  ScopedRandomSeed& operator=(const ScopedRandomSeed&) = delete;

 private:
  bool wasPinned_;
};
