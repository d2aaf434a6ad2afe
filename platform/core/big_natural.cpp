#include "platform/core/big_natural.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kLimbBits = 32;
constexpr int kDigitsPerChunk = 9;
constexpr Cardinal kPowersOf10[kDigitsPerChunk + 1] = {1,      10,      100,      1000,      10000,
                                                       100000, 1000000, 10000000, 100000000, 1000000000};

}  // namespace

BigNatural::BigNatural(UInt64 value) {
  for (; value != 0; value >>= kLimbBits) limbs_.push_back(static_cast<Cardinal>(value));
}

BigNatural BigNatural::FromDecimal(std::string_view digits) {
  BigNatural n;
  n.limbs_.reserve(digits.size() / 9 + 1);
  // Nine digits at a time: one multiply-add per chunk instead of one per digit.
  std::size_t i = 0;
  while (i < digits.size()) {
    const std::size_t count = std::min<std::size_t>(kDigitsPerChunk, digits.size() - i);
    Cardinal chunk = 0;
    for (std::size_t k = 0; k < count; ++k) chunk = chunk * 10 + static_cast<Cardinal>(digits[i + k] - '0');
    n.MultiplyAdd(kPowersOf10[count], chunk);
    i += count;
  }
  return n;
}

int BigNatural::BitLength() const {
  if (limbs_.empty()) return 0;
  return static_cast<int>(limbs_.size()) * kLimbBits - std::countl_zero(limbs_.back());
}

void BigNatural::MultiplyAdd(Cardinal factor, Cardinal addend) {
  UInt64 carry = addend;
  for (Cardinal& limb : limbs_) {
    carry += UInt64{limb} * factor;
    limb = static_cast<Cardinal>(carry);
    carry >>= kLimbBits;
  }
  if (carry != 0) limbs_.push_back(static_cast<Cardinal>(carry));
  Trim();
}

void BigNatural::MultiplyByPowerOf10(int exponent) {
  for (; exponent >= kDigitsPerChunk; exponent -= kDigitsPerChunk) MultiplyAdd(kPowersOf10[kDigitsPerChunk], 0);
  if (exponent > 0) MultiplyAdd(kPowersOf10[exponent], 0);
}

void BigNatural::ShiftLeft(int bits) {
  if (limbs_.empty() || bits <= 0) return;
  const int whole = bits / kLimbBits;
  const int part = bits % kLimbBits;
  if (part != 0) {
    Cardinal carry = 0;
    for (Cardinal& limb : limbs_) {
      const Cardinal next = limb >> (kLimbBits - part);
      limb = (limb << part) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), static_cast<std::size_t>(whole), 0);
}

void BigNatural::ShiftRight(int bits) {
  if (bits <= 0) return;
  const auto whole = static_cast<std::size_t>(bits / kLimbBits);
  const int part = bits % kLimbBits;
  if (whole >= limbs_.size()) {
    limbs_.clear();
    return;
  }
  limbs_.erase(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(whole));
  if (part != 0) {
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      const Cardinal high = i + 1 < limbs_.size() ? limbs_[i + 1] << (kLimbBits - part) : 0;
      limbs_[i] = (limbs_[i] >> part) | high;
    }
  }
  Trim();
}

BigNatural& BigNatural::operator+=(const BigNatural& other) {
  if (limbs_.size() < other.limbs_.size()) limbs_.resize(other.limbs_.size(), 0);
  UInt64 carry = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    carry += UInt64{limbs_[i]} + (i < other.limbs_.size() ? other.limbs_[i] : 0);
    limbs_[i] = static_cast<Cardinal>(carry);
    carry >>= kLimbBits;
  }
  if (carry != 0) limbs_.push_back(static_cast<Cardinal>(carry));
  return *this;
}

BigNatural& BigNatural::operator-=(const BigNatural& other) {
  Int64 borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    Int64 d = Int64{limbs_[i]} - (i < other.limbs_.size() ? other.limbs_[i] : 0) - borrow;
    borrow = d < 0 ? 1 : 0;
    limbs_[i] = static_cast<Cardinal>(d + (borrow << kLimbBits));
  }
  Trim();
  return *this;
}

std::strong_ordering operator<=>(const BigNatural& a, const BigNatural& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() <=> b.limbs_.size();
  for (std::size_t i = a.limbs_.size(); i-- > 0;)
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] <=> b.limbs_[i];
  return std::strong_ordering::equal;
}

void BigNatural::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}
