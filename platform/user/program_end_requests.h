// Requests from outside the program to end it: SIGTERM, SIGINT and SIGHUP, and the display's quit
// request.  None of them cuts the program short; each asks it to end in order, by posting
// WM_CLOSE to the window the program names while it runs its main loop (the class library's
// application window, whose WM_CLOSE closes the main form with its close queries and handlers).
//
// The signal handlers only write the signal's number to a pipe; a watcher thread reads it and
// posts the message, so nothing but write() runs in the handler and the interface thread wakes as
// for any post.  Every signal posts again: the program decides what a request that arrives while
// it is already closing means (the application ignores it).  Outside a ProgramEndRequests scope
// the signals have their previous dispositions; a signal that arrives when no window is named
// ends the process the default way.
#pragma once

#include "platform/user/user_types.h"

namespace user {

// While alive, the termination signals and the display's quit request post WM_CLOSE to `target`.
// Scopes nest: the innermost names the window.
class ProgramEndRequests {
 public:
  explicit ProgramEndRequests(HWND target);
  ~ProgramEndRequests();
  ProgramEndRequests(const ProgramEndRequests&) = delete;
  ProgramEndRequests& operator=(const ProgramEndRequests&) = delete;

 private:
  HWND previous_;
};

// The display asks the program to end (its quit event); any thread.
void RequestProgramEnd();

}  // namespace user
