// CompareString and the class library's comparisons over ICU collators (see collation.h).
#include "platform/os/collation.h"

#include <unicode/ucol.h>

#include <array>
#include <atomic>
#include <cstring>
#include <string>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/locale.h"
#include "platform/os/locale_tables.h"
#include "platform/os/os_error.h"

namespace {

constexpr DWORD kStrengthFlags = NORM_IGNORECASE | NORM_IGNORENONSPACE;
// Accepted and without effect: code page 874 has neither kana nor full-width forms, and the
// string sort is the only sort.
constexpr DWORD kNeutralFlags = SORT_STRINGSORT | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH;

// One collator per locale table and strength variant (the two strength flags as a number),
// made on first use and kept for the life of the process; ICU allows concurrent comparisons.
std::array<std::array<std::atomic<UCollator*>, 4>, kLocaleTableCount> collators;

UCollator* MakeCollator(const LocaleTable& table, DWORD variant) {
  UErrorCode status = U_ZERO_ERROR;
  UCollator* collator = ucol_open(table.collation, &status);
  if (U_FAILURE(status)) return nullptr;
  // Punctuation and spaces count like letters (the string sort), and scripts keep their standard
  // order, Latin before Thai, in every locale.
  ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
  ucol_setReorderCodes(collator, nullptr, 0, &status);
  const bool ignoreCase = variant & NORM_IGNORECASE;
  const bool ignoreAccents = variant & NORM_IGNORENONSPACE;
  ucol_setStrength(collator, ignoreAccents ? UCOL_PRIMARY : ignoreCase ? UCOL_SECONDARY : UCOL_TERTIARY);
  if (ignoreAccents && !ignoreCase) ucol_setAttribute(collator, UCOL_CASE_LEVEL, UCOL_ON, &status);
  if (U_SUCCESS(status)) return collator;
  ucol_close(collator);
  return nullptr;
}

UCollator* CollatorFor(const LocaleTable& table, DWORD variant) {
  std::atomic<UCollator*>& slot = collators[LocaleTableIndex(table)][variant];
  UCollator* collator = slot.load(std::memory_order_acquire);
  if (collator) return collator;
  UCollator* made = MakeCollator(table, variant);
  if (slot.compare_exchange_strong(collator, made, std::memory_order_acq_rel)) return made;
  ucol_close(made);   // another thread was quicker
  return collator;
}

// A code page 874 text as UTF-16, on the stack when it is short.
class Utf16Of {
 public:
  Utf16Of(const char* text, int32_t length) {
    char16_t* out = small_;
    if (length > static_cast<int32_t>(std::size(small_))) {
      large_.resize(static_cast<std::size_t>(length));
      out = large_.data();
    }
    for (int32_t i = 0; i < length; ++i) out[i] = Cp874ToUnicode(static_cast<unsigned char>(text[i]));
    data_ = out;
    length_ = length;
  }
  const char16_t* data() const { return data_; }
  int32_t length() const { return length_; }

 private:
  char16_t small_[128];
  std::u16string large_;
  const char16_t* data_;
  int32_t length_;
};

template <typename Char>
bool ResolveLength(const Char* text, Integer& length) {
  if (length == -1) {
    length = 0;
    while (text[length] != 0) ++length;
  }
  return length >= 0;
}

// The collator for a call, or null (and the last error set) when the locale, the flags or a
// length are not supported.
template <typename Char>
UCollator* CollatorForCall(LCID locale, DWORD flags, const Char* s1, Integer& length1, const Char* s2,
                           Integer& length2) {
  if (flags & ~(kStrengthFlags | kNeutralFlags)) {
    SetLastError(ERROR_INVALID_FLAGS);
    return nullptr;
  }
  const LocaleTable* table = LocaleTableOf(locale);
  UCollator* collator = table ? CollatorFor(*table, flags & kStrengthFlags) : nullptr;
  if (!collator || !ResolveLength(s1, length1) || !ResolveLength(s2, length2)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return collator;
}

Integer Collate(UCollator* collator, const char16_t* s1, int32_t n1, const char16_t* s2, int32_t n2) {
  return static_cast<Integer>(ucol_strcoll(collator, s1, n1, s2, n2)) + CSTR_EQUAL;
}

Integer AnsiCompare(DWORD flags, std::string_view s1, std::string_view s2) {
  return CompareStringA(LOCALE_USER_DEFAULT, flags, s1.data(), static_cast<Integer>(s1.size()),
                        s2.data(), static_cast<Integer>(s2.size())) - CSTR_EQUAL;
}

Integer WideCompare(DWORD flags, std::u16string_view s1, std::u16string_view s2) {
  return CompareStringW(LOCALE_USER_DEFAULT, flags, s1.data(), static_cast<Integer>(s1.size()),
                        s2.data(), static_cast<Integer>(s2.size())) - CSTR_EQUAL;
}

}  // namespace

Integer CompareStringA(LCID locale, DWORD flags, const char* s1, Integer length1, const char* s2,
                       Integer length2) {
  UCollator* collator = CollatorForCall(locale, flags, s1, length1, s2, length2);
  if (!collator) return 0;
  if (length1 == length2 && std::memcmp(s1, s2, static_cast<std::size_t>(length1)) == 0)
    return CSTR_EQUAL;
  const Utf16Of u1(s1, length1), u2(s2, length2);
  return Collate(collator, u1.data(), u1.length(), u2.data(), u2.length());
}

Integer CompareStringW(LCID locale, DWORD flags, const char16_t* s1, Integer length1,
                       const char16_t* s2, Integer length2) {
  UCollator* collator = CollatorForCall(locale, flags, s1, length1, s2, length2);
  if (!collator) return 0;
  return Collate(collator, s1, length1, s2, length2);
}

Integer AnsiCompareStr(std::string_view s1, std::string_view s2) { return AnsiCompare(0, s1, s2); }
Integer AnsiCompareText(std::string_view s1, std::string_view s2) {
  return AnsiCompare(NORM_IGNORECASE, s1, s2);
}
bool AnsiSameStr(std::string_view s1, std::string_view s2) { return AnsiCompareStr(s1, s2) == 0; }
bool AnsiSameText(std::string_view s1, std::string_view s2) { return AnsiCompareText(s1, s2) == 0; }

Integer WideCompareStr(std::u16string_view s1, std::u16string_view s2) { return WideCompare(0, s1, s2); }
Integer WideCompareText(std::u16string_view s1, std::u16string_view s2) {
  return WideCompare(NORM_IGNORECASE, s1, s2);
}
bool WideSameText(std::u16string_view s1, std::u16string_view s2) { return WideCompareText(s1, s2) == 0; }
