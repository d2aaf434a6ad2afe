#include "platform/core/current_date.h"

#include <atomic>
#include <cmath>
#include <ctime>

#include "platform/core/date_time.h"

namespace {

TDateTime SystemDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                    static_cast<Word>(local.tm_mday));
}

std::atomic<TCurrentDateHook> hook{nullptr};

}  // namespace

TCurrentDateHook SetCurrentDateHook(TCurrentDateHook newHook) { return hook.exchange(newHook); }

TDateTime CurrentDate() {
  const TCurrentDateHook current = hook.load();
  return std::trunc(current ? current() : SystemDate());
}

Word CurrentYear() {
  Word year, month, day;
  DecodeDate(CurrentDate(), year, month, day);
  return year;
}
