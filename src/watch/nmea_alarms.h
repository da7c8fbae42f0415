// Alarms to the bridge's alarm system as NMEA 0183 ALR sentences over UDP: sent when an alarm
// is raised, acknowledged or cleared, and repeated while it stands, as alarm panels expect.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "watch/alarm_output.h"

namespace hurricane::watch {

// How often a standing alarm's sentence is sent again.
inline constexpr std::chrono::seconds kAlrRepeat{30};

// alr_sentence: "$IIALR,hhmmss.00,NNN,A|V,A|V,TEXT*HH\r\n" for `alarm` at `at` (condition A
// while it stands, V once cleared; acknowledged A or V). The text is the alarm's kind and
// subject in the characters a sentence may carry, cut so the sentence keeps to 82 characters.
std::string alr_sentence(const Alarm& alarm, int number, bool standing, UtcTime at);

// nmea_checksum: the XOR of the characters between '$' and '*', as two upper-case hex digits.
std::string nmea_checksum(std::string_view body);

class NmeaAlarms final : public AlarmOutput {
 public:
  // Sends to `host`:`port` (a name or an address); problem() says when that cannot be resolved.
  NmeaAlarms(std::string host, std::string port);
  ~NmeaAlarms() override;
  NmeaAlarms(const NmeaAlarms&) = delete;
  NmeaAlarms& operator=(const NmeaAlarms&) = delete;

  void send(const AlarmEvent& event) override;
  void tick(const std::vector<Alarm>& raised, own_ship::Arrival now) override;
  std::string problem() const override { return problem_; }
  std::string describe() const override { return "NMEA alarms to " + host_ + ":" + port_; }

 private:
  // Each alarm keeps its number for the run: the kind's hundred plus its order among the kind's.
  int number_of(const Condition& condition);
  void transmit(const std::string& sentence);

  std::string host_, port_;
  int socket_ = -1;
  std::vector<unsigned char> address_;  // the resolved sockaddr
  std::string problem_;
  std::map<std::pair<int, std::string>, int> numbers_;
  own_ship::Arrival last_repeat_{};
};

}  // namespace hurricane::watch
