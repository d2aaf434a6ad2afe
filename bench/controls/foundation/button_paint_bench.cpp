// Painting cost of TkxButton against the platform's own push-button face, headless.
//
// Buttons: a form of 100 TkxButtons (75 x 25, caption "Import", standard painter) repainted 100
// times, so 10,000 button paints (the owner-draw round trip of the BUTTON window included).
// Platform: DrawFrameControl's push-button face with the same caption drawn by DrawText, 10,000
// times at the same size on a 32-bit surface.  The sides alternate over several rounds in one run;
// each round reports microseconds per button, and the last line the medians and their ratio.  The
// buttons run again with a 32 x 16 two-column glyph.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "controls/foundation/foundation_units.h"
#include "controls/foundation/kx_button.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/control_messages.h"
#include "platform/user/message_loop.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kButtons = 100, kRepaints = 100, kPaints = kButtons * kRepaints, kRounds = 5;

void Drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

double MicrosecondsPerPaint(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count() / kPaints;
}

// Counts its owner-draw requests, so that the run shows every button was painted.
class CountedButton : public TkxButton {
 public:
  using TkxButton::TkxButton;
  static inline long paints = 0;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CN_DRAWITEM) ++paints;
    TkxButton::Dispatch(Message);
  }
};

class ButtonForm {
 public:
  explicit ButtonForm(TBitmap* Glyph) {
    form_ = NewObject<TForm>(Application, TCustomForm::CreateNewTag{});
    form_->SetBounds(0, 0, 10 * 80 + 20, 10 * 30 + 40);
    for (int i = 0; i < kButtons; ++i) {
      auto* button = new CountedButton(form_);
      button->SetParent(form_);
      button->SetBounds(5 + (i % 10) * 80, 5 + (i / 10) * 30, 75, 25);
      button->SetCaption("Import");
      button->LookAndFeel()->SetKind(lfStandard);
      if (Glyph != nullptr) button->SetGlyph(Glyph);
    }
    form_->Show();
    form_->Repaint();
    Drain();
  }
  ~ButtonForm() {
    delete form_;
    Drain();
  }
  // Every button invalidated, then the form's paint handled: kPaints owner-draw requests.
  Clock::duration Run() {
    const long before = CountedButton::paints;
    const auto start = Clock::now();
    for (int i = 0; i < kRepaints; ++i) {
      for (int b = 0; b < form_->ControlCount(); ++b) form_->Controls(b)->Invalidate();
      form_->Update();
      Drain();
    }
    const auto spent = Clock::now() - start;
    if (CountedButton::paints - before != kPaints) std::printf("painted %ld times\n", CountedButton::paints - before);
    return spent;
  }

 private:
  TForm* form_ = nullptr;
};

Clock::duration PlatformFaces() {
  TBitmap surface;
  surface.SetPixelFormat(pf32bit);
  surface.SetSize(75, 25);
  const HDC dc = surface.Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  const auto start = Clock::now();
  for (int i = 0; i < kPaints; ++i) {
    TRect face{0, 0, 75, 25};
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    TRect text{2, 2, 73, 23};
    DrawTextA(dc, "Import", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  return Clock::now() - start;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  InitializeUnits({FormsUnit});
  InitializeUnits(ControlFoundationUnits());
  TBitmap glyph;
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(32, 16);
  glyph.Canvas()->Brush()->SetColor(clNavy);
  glyph.Canvas()->FillRect({2, 2, 14, 14});
  std::vector<double> buttons, faces, glyphs;
  {
    ButtonForm plain(nullptr), withGlyph(&glyph);
    for (int round = 0; round < kRounds; ++round) {
      buttons.push_back(MicrosecondsPerPaint(plain.Run()));
      faces.push_back(MicrosecondsPerPaint(PlatformFaces()));
      glyphs.push_back(MicrosecondsPerPaint(withGlyph.Run()));
      std::printf("round %d: TkxButton %.2f us, platform face %.2f us, TkxButton with glyph %.2f us\n", round + 1,
                  buttons.back(), faces.back(), glyphs.back());
    }
  }
  const double b = Median(buttons), f = Median(faces), g = Median(glyphs);
  std::printf("median: TkxButton %.2f us, platform face %.2f us, ratio %.2f; with glyph %.2f us (ratio %.2f)\n", b,
              f, b / f, g, g / f);
  FinalizeUnits();
  return 0;
}
