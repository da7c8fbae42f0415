// Standard output that cannot be written (a full disk, a closed descriptor).
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "dialogue/driver.h"
#include "robustness/sessions.h"

namespace hurricane::robustness {
namespace {

// Accepts `room` bytes, then fails every write, as a full disk does.
class FullDevice final : public std::streambuf {
 public:
  explicit FullDevice(std::size_t room) : room_(room) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof()) || room_ == 0) return traits_type::eof();
    --room_;
    return c;
  }

 private:
  std::size_t room_;
};

// Regression: a session whose output was lost ended with status 0 and no word.
TEST(OutputFailure, LostOutputEndsTheSessionWithStatusOneAndADiagnostic) {
  std::string many_rounds = "\n";
  for (int round = 0; round < 1000; ++round) many_rounds += "\n\n\n\n\n\n\n";
  many_rounds += "0\n";
  for (const std::size_t room : {0u, 100u, 5000u}) {
    std::istringstream in(many_rounds);
    FullDevice device(room);
    std::ostream out(&device);
    std::ostringstream err;
    EXPECT_EQ(dialogue::run_advisor(in, out, err), 1) << room;
    EXPECT_TRUE(one_diagnostic_line(err.str())) << room << ": " << err.str();
    // It stopped at the first read after the loss, not after a thousand rounds.
    const auto consumed = in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    EXPECT_LT(consumed, 30) << room;
  }
}

}  // namespace
}  // namespace hurricane::robustness
