// The outcome of decoding or encoding an image: a status, a message for people, and the value.
//
// Decoders never read outside their input and throw nothing but std::bad_alloc (memory running out
// below the limits): a file that is cut short, crafted or beyond the limits yields a failed result
// whose message says what was wrong.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace gdi {

enum class CodecStatus {
  Ok,
  NotRecognised,    // the bytes do not start like the format
  Truncated,        // the data ends before what the headers promise
  Corrupt,          // inconsistent headers or compressed data
  Unsupported,      // a valid variant this layer does not decode
  TooLarge,         // the size is beyond DecodeLimits
  InvalidArgument,  // an encoder was given an image or option it cannot write
};

template <class T>
struct CodecResult {
  CodecStatus status = CodecStatus::Ok;
  std::string message;
  T value{};

  explicit operator bool() const { return status == CodecStatus::Ok; }
  static CodecResult Success(T v) { return CodecResult{CodecStatus::Ok, {}, std::move(v)}; }
  static CodecResult Failure(CodecStatus s, std::string m) { return CodecResult{s, std::move(m), T{}}; }
  // The failure of a result of another type, passed on.
  template <class U>
  static CodecResult FailureOf(const CodecResult<U>& other) {
    return Failure(other.status, other.message);
  }
};

// The bytes of an encoded file.
using EncodedBytes = CodecResult<std::vector<std::uint8_t>>;

}  // namespace gdi
