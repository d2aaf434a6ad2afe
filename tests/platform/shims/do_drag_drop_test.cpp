// The drag loop on injected input under the headless display: what the drop target and the drop
// source are told, in order, for a table of drags a person makes, and what DoDragDrop answers.
#include <gtest/gtest.h>

#include <deque>

#include "ole_test_objects.h"
#include "platform/shims/do_drag_drop.h"
#include "platform/shims/drag_drop_registry.h"
#include "platform/shims/external_data_object.h"
#include "platform/shims/ole_init.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/focus.h"
#include "platform/user/input_events.h"
#include "platform/user/input_processing.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"

namespace oletest {
namespace {

using usertest::CreateLogWindow;

// What the person does next, one step after each question the loop asks the source.
struct Act {
  enum Kind { Move, KeyDown, Release } kind;
  int x = 0;   // Move: screen point; KeyDown: the virtual key
  int y = 0;
};

Act MoveTo(int x, int y) { return {Act::Move, x, y}; }
Act Press(int vk) { return {Act::KeyDown, vk, 0}; }
Act Release() { return {Act::Release}; }

void Perform(const Act& act) {
  switch (act.kind) {
    case Act::Move: user::InjectMouseMove(act.x, act.y); break;
    case Act::KeyDown: user::InjectKey(act.x, true); break;
    case Act::Release: user::InjectMouseButton(user::MouseButton::Left, false); break;
  }
}

// The list gets the drop target; inside it a child "inner" at screen (120, 120) - (150, 150) has
// none.  The drag starts with the left button pressed at (250, 150), on the form, where no target is.
class DoDragDropTest : public OleTest {
 protected:
  DoDragDropTest() {
    CreateLogWindow("inner", WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, list_);
    SetActiveWindow(form_);
    SetFocus(form_);
    user::InjectMouseMove(250, 150);
    user::InjectMouseButton(user::MouseButton::Left, true);
    Pump();
    source_->afterQuery = [this] {
      if (script_.empty()) return;
      Perform(script_.front());
      script_.pop_front();
    };
  }

  HRESULT Drag(DWORD allowed, std::deque<Act> script, DWORD& effect) {
    script_ = std::move(script);
    return DoDragDrop(data_.get(), source_.get(), allowed, &effect);
  }

  Log log_;
  TInterfacePtr<IDataObject> data_ = TExternalDataObject::ForText(u"text");
  TInterfacePtr<TRecordingSource> source_{new TRecordingSource(log_)};
  std::deque<Act> script_;
};

TEST_F(DoDragDropTest, TargetsAndSourceAreToldEachStepInOrder) {
  const struct Case {
    const char* name;
    DWORD allowed;
    bool refuse;
    std::deque<Act> script;
    HRESULT result;
    DWORD effect;
    Log calls;
  } cases[] = {
      {"released over the target: it moves", DROPEFFECT_COPY | DROPEFFECT_MOVE, false,
       {MoveTo(160, 160), Release()}, DRAGDROP_S_DROP, DROPEFFECT_MOVE,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=3 -> 2",
        "feedback 2", "query esc=0 keys=0x0", "drop 160,160 keys=0x1 effect=3 -> 2"}},
      {"Ctrl held: it copies", DROPEFFECT_COPY | DROPEFFECT_MOVE, false,
       {MoveTo(160, 160), Press(VK_CONTROL), Release()}, DRAGDROP_S_DROP, DROPEFFECT_COPY,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=3 -> 2",
        "feedback 2", "query esc=0 keys=0x9", "over 160,160 keys=0x9 effect=3 -> 1", "feedback 1",
        "query esc=0 keys=0x8", "drop 160,160 keys=0x9 effect=3 -> 1"}},
      {"a source allowing only copy", DROPEFFECT_COPY, false,
       {MoveTo(160, 160), Release()}, DRAGDROP_S_DROP, DROPEFFECT_COPY,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=1 -> 1",
        "feedback 1", "query esc=0 keys=0x0", "drop 160,160 keys=0x1 effect=1 -> 1"}},
      {"Ctrl where only move is allowed: the target's copy is not allowed", DROPEFFECT_MOVE, false,
       {MoveTo(160, 160), Press(VK_CONTROL), Release()}, DRAGDROP_S_DROP, DROPEFFECT_NONE,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=2 -> 2",
        "feedback 2", "query esc=0 keys=0x9", "over 160,160 keys=0x9 effect=2 -> 1", "feedback 0",
        "query esc=0 keys=0x8", "leave"}},
      {"Escape cancels", DROPEFFECT_COPY | DROPEFFECT_MOVE, false,
       {MoveTo(160, 160), Press(VK_ESCAPE)}, DRAGDROP_S_CANCEL, DROPEFFECT_NONE,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=3 -> 2",
        "feedback 2", "query esc=1 keys=0x1", "leave"}},
      {"a child without a target is served by its parent's", DROPEFFECT_COPY | DROPEFFECT_MOVE, false,
       {MoveTo(130, 130), MoveTo(170, 130), Release()}, DRAGDROP_S_DROP, DROPEFFECT_MOVE,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 130,130 keys=0x1 effect=3 -> 2",
        "feedback 2", "query esc=0 keys=0x1", "over 170,130 keys=0x1 effect=3 -> 2", "feedback 2",
        "query esc=0 keys=0x0", "drop 170,130 keys=0x1 effect=3 -> 2"}},
      {"left before the release: nothing is dropped", DROPEFFECT_COPY | DROPEFFECT_MOVE, false,
       {MoveTo(160, 160), MoveTo(250, 160), Release()}, DRAGDROP_S_DROP, DROPEFFECT_NONE,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=3 -> 2",
        "feedback 2", "query esc=0 keys=0x1", "leave", "feedback 0", "query esc=0 keys=0x0"}},
      {"a refusing target gets no drop", DROPEFFECT_COPY | DROPEFFECT_MOVE, true,
       {MoveTo(160, 160), Release()}, DRAGDROP_S_DROP, DROPEFFECT_NONE,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=3 -> 0",
        "feedback 0", "query esc=0 keys=0x0", "leave"}},
      {"input that runs out with the button down cancels", DROPEFFECT_COPY | DROPEFFECT_MOVE, false,
       {MoveTo(160, 160)}, DRAGDROP_S_CANCEL, DROPEFFECT_NONE,
       {"query esc=0 keys=0x1", "feedback 0", "query esc=0 keys=0x1", "enter 160,160 keys=0x1 effect=3 -> 2",
        "feedback 2", "leave"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TInterfacePtr<TRecordingTarget> target(new TRecordingTarget(log_, c.refuse));
    ASSERT_EQ(RegisterDragDrop(list_, target.get()), S_OK);
    log_.clear();
    DWORD effect = 0xFF;
    EXPECT_EQ(Drag(c.allowed, c.script, effect), c.result);
    EXPECT_EQ(effect, c.effect);
    EXPECT_EQ(log_, c.calls);
    EXPECT_EQ(GetCapture(), nullptr) << "the loop lets the capture go";
    EXPECT_EQ(target->dropped, c.effect != DROPEFFECT_NONE ? "text" : "");
    RevokeDragDrop(list_);
    // The next case starts again with the left button down where the drag begins.
    user::ResetInputProcessing();
    user::InjectMouseMove(250, 150);
    user::InjectMouseButton(user::MouseButton::Left, true);
    Pump();
  }
}

TEST_F(DoDragDropTest, TheCursorShowsWhetherTheTargetWouldTakeTheDrop) {
  TInterfacePtr<TRecordingTarget> target(new TRecordingTarget(log_));
  ASSERT_EQ(RegisterDragDrop(list_, target.get()), S_OK);
  SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
  const HCURSOR before = GetCursor();
  std::vector<int> shapes;
  source_->afterQuery = [&] {
    shapes.push_back(user::StandardCursorId(GetCursor()));
    const Act next[] = {MoveTo(160, 160), Release()};
    if (shapes.size() <= std::size(next)) Perform(next[shapes.size() - 1]);
  };
  DWORD effect = 0;
  EXPECT_EQ(Drag(DROPEFFECT_MOVE, {}, effect), DRAGDROP_S_DROP);
  EXPECT_EQ(shapes, (std::vector<int>{32513, 32648, 32512}))
      << "the I-beam before the drag, no-drop over the form, the arrow over the target";
  EXPECT_EQ(GetCursor(), before) << "the cursor is restored";
}

TEST_F(DoDragDropTest, BadArgumentsAndOleNotSetUpAreRefused) {
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(nullptr, source_.get(), DROPEFFECT_COPY, &effect), E_INVALIDARG);
  EXPECT_EQ(DoDragDrop(data_.get(), nullptr, DROPEFFECT_COPY, &effect), E_INVALIDARG);
  EXPECT_EQ(DoDragDrop(data_.get(), source_.get(), DROPEFFECT_COPY, nullptr), E_INVALIDARG);
  OleUninitialize();
  EXPECT_EQ(DoDragDrop(data_.get(), source_.get(), DROPEFFECT_COPY, &effect), CO_E_NOTINITIALIZED);
  OleInitialize(nullptr);
  EXPECT_TRUE(log_.empty()) << "the source was never asked";
}

}  // namespace
}  // namespace oletest
