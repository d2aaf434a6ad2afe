// Global atoms: counted references to atom-table names, and window properties keyed by them.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/atom_table.h"
#include "platform/user/global_atoms.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

class GlobalAtomsTest : public UserTest {};

TEST_F(GlobalAtomsTest, EachAddCountsAReferenceAndTheLastDeleteHidesTheName) {
  const ATOM atom = GlobalAddAtomA("GlobalAtomsTest.Counted");
  ASSERT_GE(atom, 0xC000);
  EXPECT_EQ(GlobalAddAtomA("globalatomstest.COUNTED"), atom);
  EXPECT_EQ(GlobalFindAtomA("GLOBALATOMSTEST.counted"), atom);
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
  EXPECT_EQ(GlobalFindAtomA("GlobalAtomsTest.Counted"), atom);
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
  EXPECT_EQ(GlobalFindAtomA("GlobalAtomsTest.Counted"), 0);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(GlobalDeleteAtom(atom), atom);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GlobalAddAtomA("GlobalAtomsTest.Counted"), atom);
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
}

TEST_F(GlobalAtomsTest, RegisteredNamesAreNoGlobalAtomsUntilAdded) {
  const UINT message = RegisterWindowMessageA("GlobalAtomsTest.Message");
  EXPECT_EQ(GlobalFindAtomA("GlobalAtomsTest.Message"), 0);
  EXPECT_EQ(GlobalDeleteAtom(ATOM(message)), ATOM(message));
  EXPECT_EQ(GlobalAddAtomA("GlobalAtomsTest.Message"), message);
  EXPECT_EQ(GlobalDeleteAtom(ATOM(message)), 0);
}

TEST_F(GlobalAtomsTest, WideNamesMeetTheirCodePageForm) {
  const ATOM atom = GlobalAddAtomW(u"อะตอม.GlobalAtomsTest");
  ASSERT_NE(atom, 0);
  EXPECT_EQ(GlobalFindAtomA(std::string("อะตอม.GlobalAtomsTest"_cp874).c_str()), atom);
  EXPECT_EQ(GlobalFindAtomW(u"อะตอม.globalatomstest"), atom);
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
}

TEST_F(GlobalAtomsTest, RefusedNamesAndIntegerAtoms) {
  struct Case {
    const char* name;
    ATOM atom;
  };
  const std::string longest(255, 'x'), tooLong(256, 'y');
  const Case cases[] = {{nullptr, 0},          {"", 0},           {tooLong.c_str(), 0},
                        {MAKEINTATOM(7), 7},   {MAKEINTATOM(0xBFFF), 0xBFFF}, {MAKEINTATOM(0xC000), 0}};
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_EQ(GlobalAddAtomA(c.name), c.atom);
    if (c.atom == 0) {
      EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    }
  }
  const ATOM atom = GlobalAddAtomA(longest.c_str());
  EXPECT_NE(atom, 0);
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
  EXPECT_EQ(GlobalDeleteAtom(7), 0);
}

// A per-process atom names the property through which a window's record is found again, as a
// wide-text window's trap does.
TEST_F(GlobalAtomsTest, AWindowPropertyKeyedByAGlobalAtomIsTheNamedProperty) {
  HWND w = CreateLogWindow("w", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr);
  const ATOM atom = GlobalAddAtomA("GlobalAtomsTest.Trap.4242");
  ASSERT_NE(atom, 0);
  int record = 0;
  HANDLE value = &record;
  EXPECT_TRUE(SetPropA(w, MAKEINTATOM(atom), value));
  EXPECT_EQ(GetPropA(w, MAKEINTATOM(atom)), value);
  EXPECT_EQ(GetPropW(w, reinterpret_cast<const char16_t*>(MAKEINTATOM(atom))), value);
  EXPECT_EQ(GetPropA(w, "globalatomstest.trap.4242"), value);
  EXPECT_EQ(GetPropW(w, u"GlobalAtomsTest.Trap.4242"), value);
  EXPECT_EQ(RemovePropA(w, MAKEINTATOM(atom)), value);
  EXPECT_EQ(GetPropA(w, "GlobalAtomsTest.Trap.4242"), nullptr);
  EXPECT_TRUE(SetPropA(w, "GlobalAtomsTest.Trap.4242", value));
  EXPECT_EQ(GlobalDeleteAtom(atom), 0);
  EXPECT_EQ(GetPropA(w, MAKEINTATOM(atom)), value);
  EXPECT_EQ(RemovePropA(w, MAKEINTATOM(atom)), value);
}

}  // namespace
}  // namespace usertest
