// Little-endian integer access to byte buffers: every multi-byte integer of the suite's files is
// little-endian whatever the host.
#pragma once

#include <cstdint>

#include "platform/core/types.h"

inline Integer GetInt32LE(const Byte* p) {
  return static_cast<Integer>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                              static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

inline Word GetWordLE(const Byte* p) { return static_cast<Word>(p[0] | p[1] << 8); }

inline void PutInt32LE(Byte* p, Integer v) {
  const auto u = static_cast<std::uint32_t>(v);
  p[0] = static_cast<Byte>(u);
  p[1] = static_cast<Byte>(u >> 8);
  p[2] = static_cast<Byte>(u >> 16);
  p[3] = static_cast<Byte>(u >> 24);
}

inline void PutWordLE(Byte* p, Word v) {
  p[0] = static_cast<Byte>(v);
  p[1] = static_cast<Byte>(v >> 8);
}
