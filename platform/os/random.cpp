// xoshiro256** with splitmix64 seeding, and the process-wide generator (see random.h).
#include "platform/os/random.h"

#include <unistd.h>

#include <chrono>
#include <mutex>

namespace {

UInt64 SplitMix64(UInt64& x) {
  UInt64 z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

UInt64 RotateLeft(UInt64 x, int k) { return (x << k) | (x >> (64 - k)); }

// The process-wide generator and its seed bookkeeping, guarded by one mutex.
struct Shared {
  std::mutex mutex;
  RandomSource source{0};
  Integer seed = 0;
  bool pinned = false;
};

Shared& Global() {
  static Shared shared;
  return shared;
}

void Restart(Shared& g, Integer seed) {
  g.seed = seed;
  g.source.Seed(static_cast<UInt64>(static_cast<Cardinal>(seed)));
}

}  // namespace

void RandomSource::Seed(UInt64 seed) {
  for (UInt64& word : state_) word = SplitMix64(seed);
}

UInt64 RandomSource::Next() {
  const UInt64 result = RotateLeft(state_[1] * 5, 7) * 9;
  const UInt64 t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

Integer RandomSource::Random(Integer range) {
  if (range <= 0) return 0;
  // Lemire's multiply-and-reject: the high half of a 32x32 product, retrying the few low halves
  // that would favour some results.
  const auto n = static_cast<UInt64>(range);
  UInt64 product = (Next() >> 32) * n;
  if (static_cast<Cardinal>(product) < n) {
    const Cardinal threshold = static_cast<Cardinal>(-static_cast<Cardinal>(n)) % n;
    while (static_cast<Cardinal>(product) < threshold) product = (Next() >> 32) * n;
  }
  return static_cast<Integer>(product >> 32);
}

double RandomSource::RandomFloat() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

Integer Random(Integer range) {
  std::lock_guard lock(Global().mutex);
  return Global().source.Random(range);
}

double RandomFloat() {
  std::lock_guard lock(Global().mutex);
  return Global().source.RandomFloat();
}

void Randomize() {
  Shared& g = Global();
  std::lock_guard lock(g.mutex);
  if (g.pinned) return;
  // The real time, not the injectable clock: a fake clock would give every run the same numbers.
  UInt64 mix = static_cast<UInt64>(std::chrono::system_clock::now().time_since_epoch().count()) ^
               (static_cast<UInt64>(getpid()) << 32);
  Restart(g, static_cast<Integer>(SplitMix64(mix)));
}

Integer RandSeed() {
  std::lock_guard lock(Global().mutex);
  return Global().seed;
}

void SetRandSeed(Integer seed) {
  std::lock_guard lock(Global().mutex);
  Restart(Global(), seed);
}

ScopedRandomSeed::ScopedRandomSeed(Integer seed) {
  Shared& g = Global();
  std::lock_guard lock(g.mutex);
  wasPinned_ = g.pinned;
  g.pinned = true;
  Restart(g, seed);
}

ScopedRandomSeed::~ScopedRandomSeed() {
  std::lock_guard lock(Global().mutex);
  Global().pinned = wasPinned_;
}
