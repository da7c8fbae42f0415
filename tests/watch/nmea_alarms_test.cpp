// ALR sentences as an alarm panel reads them, checked by an independent parse, and sent over
// UDP to a listening socket.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <regex>

#include "watch/nmea_alarms.h"

namespace hurricane::watch {
namespace {

const UtcTime kAt = navigation::civil_time(2023, 9, 12, 21, 4, 5).value();

// The checksum as a reader computes it: XOR of everything between '$' and '*'.
bool checksum_holds(const std::string& sentence) {
  const auto star = sentence.find('*');
  unsigned sum = 0;
  for (std::size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned char>(sentence[i]);
  return std::stoul(sentence.substr(star + 1, 2), nullptr, 16) == sum;
}

TEST(NmeaAlarms, EveryAlarmIsOneWellFormedSentenceOfAtMost82Characters) {
  const std::regex alr(R"(\$IIALR,(\d{6})\.00,(\d{3}),([AV]),([AV]),([ -~]*)\*[0-9A-F]{2}\r\n)");
  for (const std::string& subject :
       {std::string(), std::string("tcm-al132023-30.txt"), std::string(200, 'x'),
        std::string("a,b*c$d!e\\f^g~h\ti\xc3\xa9")}) {
    for (const bool acknowledged : {false, true}) {
      Alarm alarm{{AlarmKind::kAdvisoryOverdue, subject, "due 13/0300Z"}, kAt, acknowledged};
      const std::string sentence = alr_sentence(alarm, 501, true, kAt);
      std::smatch field;
      ASSERT_TRUE(std::regex_match(sentence, field, alr)) << sentence;
      EXPECT_LE(sentence.size(), 82u);
      EXPECT_TRUE(checksum_holds(sentence)) << sentence;
      EXPECT_EQ(field[1], "210405");
      EXPECT_EQ(field[2], "501");
      EXPECT_EQ(field[4], acknowledged ? "A" : "V");
      EXPECT_EQ(field[5].str().find_first_of(",*$!\\^~"), std::string::npos);
      EXPECT_TRUE(field[5].str().starts_with("HURRICANE ADVISORY-OVERDUE"));
    }
  }
  EXPECT_EQ(alr_sentence({{AlarmKind::kNoPlanClear, "", ""}, kAt, false}, 301, false, kAt),
            "$IIALR,210405.00,301,V,V,HURRICANE NO-PLAN-CLEAR*" +
                nmea_checksum("IIALR,210405.00,301,V,V,HURRICANE NO-PLAN-CLEAR") + "\r\n");
}

TEST(NmeaAlarms, RaisedAcknowledgedAndClearedReachTheListenerWithOneNumber) {
  const int listener = socket(AF_INET, SOCK_DGRAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);

  NmeaAlarms alarms("127.0.0.1", std::to_string(ntohs(address.sin_port)));
  ASSERT_EQ(alarms.problem(), "");
  const Alarm raised{{AlarmKind::kDecideSoon, "", "decide by 13/0300Z"}, kAt, false};
  Alarm seen = raised;
  seen.acknowledged = true;
  alarms.send({AlarmEvent::What::kRaised, raised, kAt});
  alarms.send({AlarmEvent::What::kAcknowledged, seen, kAt});
  alarms.send({AlarmEvent::What::kCleared, seen, kAt});
  std::vector<std::string> got;
  for (int i = 0; i < 3; ++i) {
    pollfd waiting{listener, POLLIN, 0};
    ASSERT_EQ(poll(&waiting, 1, 2000), 1);
    char datagram[128];
    const auto size = recv(listener, datagram, sizeof datagram, 0);
    got.emplace_back(datagram, static_cast<std::size_t>(size));
  }
  close(listener);
  EXPECT_EQ(got[0].substr(0, 30), "$IIALR,210405.00,200,A,V,HURRI");
  EXPECT_EQ(got[1].substr(0, 25), "$IIALR,210405.00,200,A,A,");
  EXPECT_EQ(got[2].substr(0, 25), "$IIALR,210405.00,200,V,A,");

  NmeaAlarms nowhere("no-such-host.invalid", "10110");
  EXPECT_TRUE(nowhere.problem().starts_with("cannot resolve the address")) << nowhere.problem();
}

}  // namespace
}  // namespace hurricane::watch
