// Setting OLE up per thread, and registering drop targets: the platform's error codes, the
// reference a registration holds, and revocation by RevokeDragDrop, by a window's destruction and
// by the thread's last OleUninitialize.
#include <gtest/gtest.h>

#include <thread>

#include "ole_test_objects.h"
#include "platform/shims/drag_drop_registry.h"
#include "platform/shims/ole_init.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace oletest {
namespace {

using usertest::CreateLogWindow;

class RegistrationTest : public OleTest {
 protected:
  Log log_;
  TInterfacePtr<TRecordingTarget> target_{new TRecordingTarget(log_)};
};

TEST_F(RegistrationTest, OleIsSetUpPerThreadAndCounted) {
  EXPECT_EQ(OleInitialize(nullptr), S_FALSE) << "the fixture set it up already";
  OleUninitialize();
  int dummy = 0;
  EXPECT_EQ(OleInitialize(&dummy), E_INVALIDARG);
  std::thread([] {
    EXPECT_FALSE(ole::OleInitializedOnThisThread());
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    OleUninitialize();
    EXPECT_TRUE(ole::OleInitializedOnThisThread()) << "one OleInitialize is still open";
    OleUninitialize();
    EXPECT_FALSE(ole::OleInitializedOnThisThread());
    EXPECT_EQ(OleInitialize(nullptr), S_OK) << "set up anew after the last OleUninitialize";
    OleUninitialize();
  }).join();
  EXPECT_TRUE(ole::OleInitializedOnThisThread());
}

TEST_F(RegistrationTest, RegisteringAndRevokingAnswerThePlatformsCodes) {
  const HWND gone = CreateLogWindow("gone", WS_POPUP, 0, 0, 10, 10, nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(RegisterDragDrop(form_, nullptr), E_INVALIDARG);
  EXPECT_EQ(RegisterDragDrop(gone, target_.get()), DRAGDROP_E_INVALIDHWND);
  EXPECT_EQ(RevokeDragDrop(gone), DRAGDROP_E_INVALIDHWND);
  EXPECT_EQ(RevokeDragDrop(form_), DRAGDROP_E_NOTREGISTERED);

  ASSERT_EQ(RegisterDragDrop(form_, target_.get()), S_OK);
  EXPECT_EQ(target_->RefCount(), 2) << "the registration holds a reference";
  EXPECT_EQ(RegisterDragDrop(form_, target_.get()), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(RegisterDragDrop(list_, target_.get()), S_OK) << "one target may serve several windows";
  EXPECT_EQ(ole::RegisteredTarget(list_).get(), target_.get());
  EXPECT_EQ(RevokeDragDrop(form_), S_OK);
  EXPECT_EQ(RevokeDragDrop(form_), DRAGDROP_E_NOTREGISTERED);
  EXPECT_EQ(RevokeDragDrop(list_), S_OK);
  EXPECT_EQ(target_->RefCount(), 1);

  OleUninitialize();
  EXPECT_EQ(RegisterDragDrop(form_, target_.get()), CO_E_NOTINITIALIZED);
  OleInitialize(nullptr);
}

TEST_F(RegistrationTest, DestroyingAWindowRevokesTheTargetsOfItAndItsChildren) {
  ASSERT_EQ(RegisterDragDrop(form_, target_.get()), S_OK);
  ASSERT_EQ(RegisterDragDrop(list_, target_.get()), S_OK);
  EXPECT_EQ(target_->RefCount(), 3);
  DestroyWindow(form_);
  EXPECT_FALSE(ole::HasRegisteredTarget(form_));
  EXPECT_FALSE(ole::HasRegisteredTarget(list_));
  EXPECT_EQ(target_->RefCount(), 1) << "both registrations let their references go";
}

TEST_F(RegistrationTest, TheThreadsLastOleUninitializeRevokesItsTargets) {
  ASSERT_EQ(RegisterDragDrop(list_, target_.get()), S_OK);
  ASSERT_EQ(OleInitialize(nullptr), S_FALSE);
  OleUninitialize();
  EXPECT_TRUE(ole::HasRegisteredTarget(list_)) << "OLE is still set up";
  OleUninitialize();
  EXPECT_FALSE(ole::HasRegisteredTarget(list_));
  EXPECT_EQ(target_->RefCount(), 1);
  OleInitialize(nullptr);
}

}  // namespace
}  // namespace oletest
