// The fixture every ui test starts from: the application and screen of the process (made once),
// a fake clock, the classic metrics and colours, no input pending, a test driver; at the end every
// form is freed and the queues drained, so tests pass alone and in any order.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/os/clock.h"
#include "platform/ui/form.h"
#include "platform/ui/test_driver.h"

namespace uitest {

class UiTest : public ::testing::Test {
 protected:
  UiTest();
  ~UiTest() override;

  // An empty form owned by the application, shown when show is set.
  TForm* NewForm(const std::string& name, bool show = true);
  // A hidden form read from a text form image whose classes are this layer's.
  TForm* ReadForm(const std::string& text);

  FakeClock clock_{45000.0, 1000000};
  ScopedClock scopedClock_{clock_};
  std::unique_ptr<TTestDriver> driver_;
};

// Records the control notifications controls receive, as "Name:CM_NAME".  The record is shared
// with the watching window procedures, so controls that outlive the log (freed by the fixture)
// write into it safely.
class NotificationLog {
 public:
  void Watch(TControl* control);
  std::vector<std::string> Take();

 private:
  std::shared_ptr<std::vector<std::string>> entries_ = std::make_shared<std::vector<std::string>>();
};

// Form images in their text form: a component read from one, and the one a component writes.
void ReadFormImageText(const std::string& text, TComponent* into);
std::string FormImageText(TComponent* component);

// A notify event holding a callable (for setters that take a TNotifyEvent).
template <class F>
TNotifyEvent NotifyEvent(F Handler) {
  TNotifyEvent event;
  event = std::move(Handler);
  return event;
}

// The name of a CM_ message number ("" when it is not one the log reports).
std::string CmName(UINT message);

}  // namespace uitest
