#include "suite/money_text.h"

#include <algorithm>
#include <cmath>

#include "suite/number_text.h"

Byte AmountDecimals = 2;

namespace {

constexpr size_t kAmountTextLimit = 25;

void RemoveAll(std::string& text, char c) { text.erase(std::remove(text.begin(), text.end(), c), text.end()); }

}  // namespace

void InsertThousands(std::string& text, double value) {
  const double magnitude = std::fabs(value);
  double threshold = 1000;
  size_t tail = AmountDecimals + 4u;   // three digits, the point and the decimals
  for (int comma = 0; comma < 3 && magnitude >= threshold; ++comma, threshold *= 1000, tail += 4) {
    if (text.size() <= tail) return;
    text.insert(text.size() - tail, 1, ',');
  }
}

void FitAmountWidth(std::string& text, Byte width) {
  if (width < text.size()) RemoveAll(text, ',');
  if (width < text.size()) text.assign(std::min<size_t>(width, kAmountTextLimit), '*');
}

std::string FormatAmount(Byte width, double value) {
  RoundToDecimals(value, AmountDecimals);
  std::string text = FormatFixed(AmountDecimals, value).substr(0, kAmountTextLimit);
  InsertThousands(text, value);
  FitAmountWidth(text, width);
  const size_t aligned = std::min<size_t>(width, kAmountTextLimit);
  if (text.size() < aligned) text.insert(0, aligned - text.size(), ' ');
  return text;
}

std::string FormatAmountTrim(double value) {
  std::string text = FormatAmount(20, value);
  RemoveAll(text, ' ');
  return text;
}

std::string FormatWholeAmount(Byte width, double value) {
  std::string text = width > 0 ? FormatAmount(static_cast<Byte>(std::min(width + 3, 255)), value) : FormatAmountTrim(value);
  text.resize(text.size() - std::min<size_t>(text.size(), 3));
  return text;
}
