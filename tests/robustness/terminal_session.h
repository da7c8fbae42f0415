// The real executable at a pseudo-terminal, driven as a person at the keyboard drives it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <string_view>

namespace hurricane::robustness {

// Starts the advisor with a pseudo-terminal as standard input and output (standard error goes
// to a pipe, so the diagnostic stays apart). Every wait is bounded; the destructor kills a
// process that is still running.
class TerminalSession {
 public:
  static constexpr std::chrono::seconds kPatience{10};

  TerminalSession();
  ~TerminalSession();
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // Reads the screen until `text` appears beyond what the previous waits found; false when it
  // has not appeared within kPatience or the process has ended without it.
  bool wait_for(std::string_view text);
  // Keys as typed: "\r" is RETURN, "\x04" is Ctrl-D.
  void type(std::string_view keys);
  // Waits for the process to end and reads what it wrote last; its exit status, or -1 when it
  // did not end within kPatience (it is then killed).
  int finish();

  // Everything shown so far, typed echo included, carriage returns left out.
  const std::string& screen() const { return screen_; }
  // Standard error; complete once finish() has returned.
  const std::string& errors() const { return errors_; }

 private:
  // Reads what is available within `deadline`; false once nothing more can come.
  bool read_screen(std::chrono::steady_clock::time_point deadline);

  pid_t pid_ = -1;
  int master_ = -1;
  int errors_fd_ = -1;
  std::string screen_;
  std::size_t found_ = 0;  // the screen up to here was matched by earlier waits
  std::string errors_;
};

}  // namespace hurricane::robustness
