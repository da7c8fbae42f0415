#include "watch/nmea_alarms.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace hurricane::watch {
namespace {

constexpr std::size_t kMaxSentence = 82;  // '$' to the line end, as NMEA 0183 allows

// What the alarm panel shows: short, upper case as panels are, no reserved characters.
std::string panel_text(const Condition& condition) {
  std::string text = "HURRICANE " + std::string(kind_name(condition.kind));
  if (!condition.subject.empty()) text += " " + condition.subject;
  std::string kept;
  for (const char c : text) {
    const bool reserved = std::strchr("$*,!\\^~", c) != nullptr;
    if (c < 0x20 || c > 0x7e || reserved) {
      kept += ' ';
    } else {
      kept += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
  }
  return kept;
}

}  // namespace

std::string nmea_checksum(std::string_view body) {
  unsigned sum = 0;
  for (const char c : body) sum ^= static_cast<unsigned char>(c);
  char hex[3];
  std::snprintf(hex, sizeof hex, "%02X", sum & 0xffu);
  return hex;
}

std::string alr_sentence(const Alarm& alarm, int number, bool standing, UtcTime at) {
  const navigation::CivilTime t = navigation::civil_fields(at);
  char head[40];
  std::snprintf(head, sizeof head, "IIALR,%02d%02d%02d.00,%03d,%c,%c,", t.hour, t.minute, t.second,
                number % 1000, standing ? 'A' : 'V', alarm.acknowledged ? 'A' : 'V');
  std::string body = head;
  // '$', '*', two checksum digits and the line end take 6 of the 82.
  const std::size_t room = kMaxSentence - 6 - body.size();
  body += panel_text(alarm.condition).substr(0, room);
  return "$" + body + "*" + nmea_checksum(body) + "\r\n";
}

NmeaAlarms::NmeaAlarms(std::string host, std::string port)
    : host_(std::move(host)),
      port_(std::move(port)),
      last_repeat_(std::chrono::steady_clock::now()) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  const int failed = getaddrinfo(host_.c_str(), port_.c_str(), &hints, &found);
  if (failed != 0 || found == nullptr) {
    problem_ = std::string("cannot resolve the address: ") + gai_strerror(failed);
    return;
  }
  socket_ = ::socket(found->ai_family, found->ai_socktype, found->ai_protocol);
  if (socket_ < 0) {
    problem_ = std::string("cannot open a UDP socket: ") + std::strerror(errno);
  } else {
    const auto* bytes = reinterpret_cast<const unsigned char*>(found->ai_addr);
    address_.assign(bytes, bytes + found->ai_addrlen);
  }
  freeaddrinfo(found);
}

NmeaAlarms::~NmeaAlarms() {
  if (socket_ >= 0) ::close(socket_);
}

int NmeaAlarms::number_of(const Condition& condition) {
  const int kind = static_cast<int>(condition.kind) + 1;
  const auto key = std::make_pair(kind, condition.subject);
  if (auto found = numbers_.find(key); found != numbers_.end()) return found->second;
  int count = 0;
  for (const auto& [known, number] : numbers_) count += known.first == kind ? 1 : 0;
  const int number = kind * 100 + count % 100;
  numbers_.emplace(key, number);
  return number;
}

void NmeaAlarms::send(const AlarmEvent& event) {
  const bool standing = event.what != AlarmEvent::What::kCleared;
  transmit(alr_sentence(event.alarm, number_of(event.alarm.condition), standing, event.at));
}

void NmeaAlarms::tick(const std::vector<Alarm>& raised, own_ship::Arrival now) {
  if (now - last_repeat_ < kAlrRepeat) return;
  last_repeat_ = now;
  const UtcTime at =
      std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
  for (const Alarm& alarm : raised) {
    transmit(alr_sentence(alarm, number_of(alarm.condition), true, at));
  }
}

void NmeaAlarms::transmit(const std::string& sentence) {
  if (socket_ < 0) return;
  const auto sent = ::sendto(socket_, sentence.data(), sentence.size(), 0,
                             reinterpret_cast<const sockaddr*>(address_.data()),
                             static_cast<socklen_t>(address_.size()));
  problem_ = sent < 0 ? std::string("cannot send: ") + std::strerror(errno) : std::string();
}

}  // namespace hurricane::watch
