// The mask automaton beside std::regex on the same work: a mask of 20 positions (a starred block
// of twenty classes, ranges and literals) and its ECMAScript equivalent, 1,000,000 characters of
// matching input as 1,000 texts of 1,000 characters (std::regex recurses per repetition and
// overflows the stack on one long text).  Per text the automaton restarts, reads every character
// and is asked IsComplete; std::regex_match runs once.  The two sides alternate, round by round,
// in one run; each text must match on both sides.  Then one text of 1,000,000 characters goes to
// one automaton: its time and the bytes of step-back history it holds per character.
//
//   reg_expr_vs_std_regex [ROUNDS]     (default 5)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "controls/editors/kx_reg_expr.h"
#include "platform/classes/string_stream.h"

namespace {

constexpr const char* kMask =
    "(\\d [a-f] x \\w [0-9A-F] y \\s [^q] z \\D [a-z] \\d [A-Z] k \\W [0-4] m \\S [pqr] '-')*";
constexpr const char* kEcmaScript = "(?:\\d[a-f]x\\w[0-9A-F]y\\s[^q]z\\D[a-z]\\d[A-Z]k\\W[0-4]m\\S[pqr]-)*";

// For each of the 20 positions, characters it takes (and its ECMAScript twin takes).
const char* const kPositionChars[20] = {
    "0123456789", "abcdef", "x", "abcXYZ_019", "0123456789ABCDEF", "y", " ", "abcrstu", "z", "abc.,;",
    "abcdefghij", "0123456789", "ABCDEFGHIJ", "k", "!#%&*+", "01234", "m", "abc123.,", "pqr", "-",
};

using Clock = std::chrono::steady_clock;

std::vector<std::string> MatchingTexts(int Count, int Length, std::mt19937& Random) {
  std::vector<std::string> texts(static_cast<std::size_t>(Count));
  for (std::string& text : texts) {
    text.reserve(static_cast<std::size_t>(Length));
    for (int i = 0; i < Length; ++i) {
      const std::string chars = kPositionChars[i % 20];
      text += chars[Random() % chars.size()];
    }
  }
  return texts;
}

// Restart, read every character, IsComplete: true when the text matched.
bool AutomatonMatches(TkxRegExpr& Expr, const std::string& Text) {
  Expr.Restart();
  for (char ch : Text) {
    if (!Expr.Advance(ch)) return false;
  }
  return Expr.IsComplete();
}

double Seconds(Clock::duration Duration) { return std::chrono::duration<double>(Duration).count(); }

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  std::mt19937 random(20240601);
  const std::vector<std::string> texts = MatchingTexts(1000, 1000, random);
  TkxRegExpr expr;
  TStringStream source(kMask);
  expr.Compile(&source);
  const std::regex ecmaScript(kEcmaScript, std::regex::ECMAScript);

  Clock::duration automatonTime{}, regexTime{};
  for (int round = 0; round < rounds; ++round) {
    auto start = Clock::now();
    for (const std::string& text : texts) {
      if (!AutomatonMatches(expr, text)) return std::fprintf(stderr, "the automaton refused a text\n"), 1;
    }
    automatonTime += Clock::now() - start;
    start = Clock::now();
    for (const std::string& text : texts) {
      if (!std::regex_match(text, ecmaScript)) return std::fprintf(stderr, "std::regex refused a text\n"), 1;
    }
    regexTime += Clock::now() - start;
  }
  const double characters = 1e6 * rounds;
  const double automatonNs = Seconds(automatonTime) * 1e9 / characters;
  const double regexNs = Seconds(regexTime) * 1e9 / characters;
  std::printf("mask of %d states, %d rounds of 1,000 texts of 1,000 characters\n", expr.StateCount(), rounds);
  std::printf("automaton (Restart, Advance, IsComplete): %8.2f ns per character\n", automatonNs);
  std::printf("std::regex_match:                         %8.2f ns per character\n", regexNs);
  std::printf("std::regex / automaton:                   %8.2f\n", regexNs / automatonNs);

  std::string longText;
  for (const std::string& text : texts) longText += text;
  const auto start = Clock::now();
  const bool matched = AutomatonMatches(expr, longText);
  const double seconds = Seconds(Clock::now() - start);
  std::printf("one text of %zu characters: %.3f s (%s), %.1f bytes of history per character\n", longText.size(),
              seconds, matched ? "complete" : "NOT complete",
              static_cast<double>(expr.HistoryBytes()) / static_cast<double>(longText.size()));
  return matched ? 0 : 1;
}
