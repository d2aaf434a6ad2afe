// Termination signals and the display's quit request as WM_CLOSE; see program_end_requests.h.
#include "platform/user/program_end_requests.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <iterator>
#include <mutex>
#include <thread>

#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"

namespace user {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

std::atomic<HWND> target{nullptr};
int pipeIn = -1;            // written by the handler
struct sigaction previousActions[std::size(kSignals)];
int scopes = 0;             // guarded by ScopeMutex

std::mutex& ScopeMutex() {
  static std::mutex mutex;
  return mutex;
}

void OnSignal(int number) {
  const int savedErrno = errno;
  const unsigned char byte = static_cast<unsigned char>(number);
  [[maybe_unused]] const ssize_t written = write(pipeIn, &byte, 1);
  errno = savedErrno;
}

// Without a window to ask, the signal does what it did before: the default ends the process.
void EndTheDefaultWay(int number) {
  signal(number, SIG_DFL);
  raise(number);
}

void Watch(int pipeOut) {
  for (;;) {
    unsigned char number = 0;
    const ssize_t n = read(pipeOut, &number, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n != 1) return;
    HWND window = target.load();
    if (window == nullptr || !PostMessageA(window, WM_CLOSE, 0, 0)) EndTheDefaultWay(number);
  }
}

// The pipe and its watcher live as long as the process: a signal may arrive at any time.
void StartWatcher() {
  static std::once_flag once;
  std::call_once(once, [] {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    pipeIn = fds[1];
    std::thread(Watch, fds[0]).detach();
  });
}

void InstallHandlers() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &previousActions[i]);
}

void RestoreHandlers() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &previousActions[i], nullptr);
}

}  // namespace

ProgramEndRequests::ProgramEndRequests(HWND window) {
  std::lock_guard lock(ScopeMutex());
  StartWatcher();
  if (scopes++ == 0 && pipeIn >= 0) InstallHandlers();
  previous_ = target.exchange(window);
}

ProgramEndRequests::~ProgramEndRequests() {
  std::lock_guard lock(ScopeMutex());
  target.store(previous_);
  if (--scopes == 0 && pipeIn >= 0) RestoreHandlers();
}

void RequestProgramEnd() {
  if (HWND window = target.load()) PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace user
