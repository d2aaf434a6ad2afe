// Runs a block of a test in a child process under a memory cap of 256 MB, so that an expression
// that exhausted memory would end the child, not the test program.  The child is the test program
// re-executed (gtest's "threadsafe" death tests); under AddressSanitizer, whose shadow memory
// rules out an address-space limit, the cap is ASan's hard_rss_limit_mb, otherwise RLIMIT_AS.
//
//   EXPECT_ENDS_NORMALLY({ ...; std::fprintf(stderr, "report"); }, "report");
// The child must return from the block: it then exits with 0, and its stderr must match the
// pattern (gtest's regular expressions).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Puts the cap in place for children started while it lives.
class TMemoryCapForChildren {
 public:
  TMemoryCapForChildren();
  ~TMemoryCapForChildren();
  TMemoryCapForChildren(const TMemoryCapForChildren&) = delete;
  TMemoryCapForChildren& operator=(const TMemoryCapForChildren&) = delete;

 private:
  bool hadOptions_ = false;
  std::string options_;
};

// Called first thing in the child.
void CapChildMemory();

#define EXPECT_ENDS_NORMALLY(block, pattern)                                   \
  do {                                                                         \
    GTEST_FLAG_SET(death_test_style, "threadsafe");                            \
    TMemoryCapForChildren cap_;                                                \
    EXPECT_EXIT(                                                               \
        {                                                                      \
          CapChildMemory();                                                    \
          block;                                                               \
          std::exit(0);                                                        \
        },                                                                     \
        ::testing::ExitedWithCode(0), pattern);                                \
  } while (false)
