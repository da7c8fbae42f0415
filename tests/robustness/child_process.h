// Runs the real executable as a separate process (through rss_probe), for what
// only a process shows: its peak memory, its time, and what reaches its real
// standard streams.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace hurricane::robustness {

struct ChildRun {
  int status = -1;  // exit status, or 128 + the signal that ended the process
  std::string out;
  std::string err;
  long peak_rss_kib = 0;     // largest resident set of the process
  double cpu_seconds = 0.0;  // user and system time of the process
};

// Hands input to the process piece by piece; returns false once the process
// no longer reads (it has ended), after which the feeder should stop.
using Writer = std::function<bool(std::string_view piece)>;

// Runs the advisor with what `feed` writes as its standard input, closes that
// input, and waits for the process to end.
ChildRun run_advisor_process(const std::function<void(const Writer&)>& feed);
ChildRun run_advisor_process(std::string_view input);

// Whether this build runs under AddressSanitizer, whose own memory and time
// overhead the limits must allow for.
constexpr bool kSanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

}  // namespace hurricane::robustness
