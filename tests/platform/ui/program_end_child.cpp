// program_end_child [slow]: a program for the program-end tests.  It shows a main form and runs the
// application; each step it reaches is a line on stdout: "running" (first idle turn of the loop,
// when termination signals are watched), "close query" and "close" from the form's handlers,
// "ended" after the loop.  With "slow" the close handler says "closing", waits until another
// close request has arrived (the test's second signal), then says "closed".
#include <cstdio>
#include <string>

#include "platform/core/units.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"

namespace {

void Say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

void WaitForAnotherCloseRequest() {
  MSG request{};
  while (!PeekMessageA(&request, Application->Handle(), WM_CLOSE, WM_CLOSE, PM_NOREMOVE)) WaitMessage();
}

}  // namespace

int main(int argc, char** argv) {
  const bool slow = argc > 1 && std::string(argv[1]) == "slow";
  InitializeUnits({FormsUnit});
  Application->Initialize();
  auto* form = NewObject<TForm>(Application, TCustomForm::CreateNewTag{});
  form->SetCaption("Program end");
  form->SetBounds(40, 40, 240, 120);
  Application->SetMainForm(form);
  bool running = false;
  Application->OnIdle = [&](TObject*, bool& done) {
    if (!running) Say("running");
    running = true;
    done = true;
  };
  form->OnCloseQuery = [](TObject*, bool& canClose) {
    Say("close query");
    canClose = true;
  };
  form->OnClose = [slow](TObject*, TCloseAction&) {
    if (!slow) return Say("close");
    Say("closing");
    WaitForAnotherCloseRequest();
    Say("closed");
  };
  Application->Run();
  Say("ended");
  FinalizeUnits();
  return 0;
}
