#include "foundation_test_support.h"

#include <utility>

#include "controls/foundation/kx_timer.h"
#include "tests/support/ui/ui_test_fixture.h"

#include "platform/os/locale.h"
#include "platform/ui/application.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"

namespace foundationtest {

namespace {

class ClassLibraryEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { InitializeUnits({LocaleUnit, FormsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ClassLibraryEnvironment);

}  // namespace

ScopedUnits::ScopedUnits(std::initializer_list<Unit> units) {
  for (const Unit& unit : units) {
    if (unit.initialize) unit.initialize();
    started_.push_back(unit);
  }
}

ScopedUnits::~ScopedUnits() {
  for (auto it = started_.rbegin(); it != started_.rend(); ++it)
    if (it->finalize) it->finalize();
}

void Pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

struct Later::Timer {
  TkxTimer timer{nullptr};
  std::function<void()> steps;
};

Later::Later(std::function<void()> steps) : timer_(std::make_unique<Timer>()) {
  timer_->steps = std::move(steps);
  timer_->timer.SetInterval(10);
  timer_->timer.SetOnTimer(uitest::NotifyEvent([this](TObject*) {
    timer_->timer.SetEnabled(false);
    timer_->steps();
  }));
}

Later::~Later() = default;

}  // namespace foundationtest
