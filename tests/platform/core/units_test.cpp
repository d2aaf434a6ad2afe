#include "platform/core/units.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

std::string trail;   // what the units did, in order: "+A" initialised A, "-A" finalised A

void Note(const char* what) {
  trail += what;
  std::fputs(what, stderr);   // seen by the death tests, whose child process ends in Halt
}

const Unit A{"A", [] { Note("+A"); }, [] { Note("-A"); }};
const Unit B{"B", [] { Note("+B"); }, [] { Note("-B"); }};
const Unit C{"C", [] { Note("+C"); }, [] { Note("-C"); }};
const Unit D{"D", nullptr, [] { Note("-D"); }};
const Unit FailsToStart{"Fails", [] { Note("!F"); throw std::runtime_error("no"); },
                        [] { Note("-F"); }};
const Unit FailsToStop{"FailsToStop", [] { Note("+S"); },
                       [] { Note("-S"); throw std::runtime_error("stop"); }};
const Unit HaltsWhileStopping{"Halts", nullptr, [] { Note("-H"); Halt(9); }};

class Units : public ::testing::Test {
 protected:
  void SetUp() override { trail.clear(); }
  void TearDown() override { FinalizeUnits(); }
};

TEST_F(Units, InitialiseInOrderOnceAndFinaliseInReverseOnce) {
  InitializeUnits({A, B, C});
  InitializeUnits({B, D, A});   // only D is new
  EXPECT_TRUE(IsUnitInitialized("D"));
  FinalizeUnits();
  FinalizeUnits();
  EXPECT_EQ(trail, "+A+B+C-D-C-B-A");
  EXPECT_FALSE(IsUnitInitialized("A"));
}

TEST_F(Units, FailingInitialisationFinalisesWhatWasInitialised) {
  InitializeUnits({A});
  EXPECT_THROW(InitializeUnits({B, FailsToStart, C}), std::runtime_error);
  EXPECT_EQ(trail, "+A+B!F-B-A");
  for (const char* name : {"A", "B", "Fails", "C"}) EXPECT_FALSE(IsUnitInitialized(name)) << name;
}

TEST_F(Units, FailingFinalisationDoesNotStopTheOthers) {
  InitializeUnits({A, FailsToStop, B});
  EXPECT_THROW(FinalizeUnits(), std::runtime_error);
  EXPECT_EQ(trail, "+A+S+B-B-S-A");
}

TEST(UnitsDeathTest, HaltFinalisesInReverseAndExitsWithItsCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct Case { std::initializer_list<Unit> units; int haltCode; int exitCode; const char* trail; };
  const Case cases[] = {
      {{A, B, C}, 3, 3, "\\+A\\+B\\+C-C-B-A$"},
      {{A, HaltsWhileStopping, B}, 4, 9, "\\+A\\+B-B-H-A$"},   // the inner Halt(9) ends it
  };
  for (const Case& c : cases) {
    EXPECT_EXIT(
        {
          InitializeUnits(c.units);
          Halt(c.haltCode);
        },
        ::testing::ExitedWithCode(c.exitCode), c.trail);
  }
}

}  // namespace
