// Drop targets and drop sources for the OLE tests that write what they are told as lines of a
// shared log, and the fixture the tests start from (OLE set up on the thread for the test).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/shims/ole_interfaces.h"
#include "tests/support/user/user_test_fixture.h"

namespace oletest {

using Log = std::vector<std::string>;

std::string PointText(POINTL point);
std::string Hex(DWORD value);

// Answers an effect as a window taking text would: none when refusing, copy with Ctrl held,
// otherwise move when the source allows it, else copy.  Logs, for example,
// "enter 160,160 keys=0x1 effect=3 -> 2" and "leave"; a drop also logs the first format offered.
class TRecordingTarget : public TOleInterfacedObject<IDropTarget> {
 public:
  explicit TRecordingTarget(Log& log, bool refuse = false) : log_(log), refuse_(refuse) {}

  HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

  // The text of the last drop (CF_UNICODETEXT as UTF-8), or its files one per line.
  std::string dropped;

 private:
  HRESULT Answer(const char* call, DWORD keys, POINTL point, DWORD* effect);

  Log& log_;
  bool refuse_;
};

// Cancels on Escape, drops when the left button is up, goes on otherwise; logs
// "query esc=0 keys=0x1" and "feedback 2".  After each query it runs `afterQuery` (what a person
// does next: the tests inject input there).
class TRecordingSource : public TOleInterfacedObject<IDropSource> {
 public:
  explicit TRecordingSource(Log& log) : log_(log) {}

  HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
  HRESULT GiveFeedback(DWORD effect) override;

  std::function<void()> afterQuery;

 private:
  Log& log_;
};

// OLE set up on the thread, and a form at (100, 100) on the screen, 300 x 200 and captionless,
// with a child "list" at screen (110, 110) - (210, 210).
class OleTest : public usertest::UserTest {
 protected:
  OleTest();
  ~OleTest() override;

  HWND form_ = nullptr;
  HWND list_ = nullptr;
};

}  // namespace oletest
