#include "own_ship/signalk_notifier.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <nlohmann/json.hpp>
#include <utility>

#include "navigation/utc_time.h"

namespace hurricane::own_ship {
namespace {

using Clock = std::chrono::steady_clock;

bool usable_key(const std::string& key) {
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '-';
  });
}

bool known_state(const std::string& state) {
  return std::find(std::begin(kNotificationStates), std::end(kNotificationStates), state) !=
         std::end(kNotificationStates);
}

}  // namespace

std::string signalk_notification(const std::string& key, const std::string& state,
                                 const std::string& message) {
  using nlohmann::json;
  const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  const json value = {{"state", state}, {"method", {"visual", "sound"}}, {"message", message}};
  const json update = {
      {"timestamp", navigation::format_utc_time(now)},
      {"values",
       json::array({{{"path", "notifications.navigation.hurricane." + key}, {"value", value}}})}};
  // A message not in UTF-8 is sent with its stray bytes replaced rather than not at all.
  return json{{"context", "vessels.self"}, {"updates", json::array({update})}}.dump(
      -1, ' ', false, json::error_handler_t::replace);
}

SignalKNotifier::SignalKNotifier(SignalKEndpoint endpoint) : endpoint_(std::move(endpoint)) {}

bool SignalKNotifier::notify(const std::string& key, const std::string& state,
                             const std::string& message) {
  const auto fail = [this](const std::string& why) {
    problem_ = "Signal K at " + endpoint_.url + ": " + why;
    return false;
  };
  if (!usable_key(key)) return fail("not a notification name: \"" + key + "\"");
  if (!known_state(state)) return fail("not a notification state: \"" + state + "\"");
  try {
    const auto deadline = Clock::now() + kBudget;
    const std::string delta = signalk_notification(key, state, message);
    // A connection the server dropped since the last alarm is noticed here, and made anew.
    if (socket_) socket_->discard_incoming();
    if (socket_ && !socket_->failure().empty()) socket_.reset();
    if (!socket_) socket_ = std::make_unique<SignalKSocket>(endpoint_);
    if (socket_->wait_open(deadline) && socket_->write(delta, deadline)) {
      problem_.clear();
      return true;
    }
    const std::string why =
        socket_->failure().empty() ? "cannot connect: no answer in time" : socket_->failure();
    socket_.reset();
    return fail(why);
  } catch (const std::exception& error) {
    socket_.reset();
    return fail(error.what());
  }
}

}  // namespace hurricane::own_ship
