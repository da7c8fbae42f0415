#include "own_ship/signalk_socket.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <deque>
#include <utility>

namespace hurricane::own_ship {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using boost::system::error_code;

// A silent server is pinged after half of this and given up after all of it.
constexpr std::chrono::seconds kIdleTimeout{20};
constexpr std::size_t kLargestMessage = 1 << 20;
// Messages kept for a reader that falls behind; older ones are dropped first.
constexpr std::size_t kInboxLimit = 1000;
constexpr std::chrono::milliseconds kClosingGrace{250};

std::string said(const error_code& error) {
  if (error == websocket::error::closed) return "the server closed the connection";
  return error.message();
}

}  // namespace

struct SignalKSocket::State {
  // First, so that it goes last: the handlers it still holds are dropped, never run.
  asio::io_context io;
  tcp::resolver resolver{io};
  websocket::stream<beast::tcp_stream> ws{io};
  asio::steady_timer connect_timer{io};
  beast::flat_buffer incoming;
  std::deque<std::string> inbox;
  std::string outgoing;
  bool is_open = false;
  bool written = false;
  bool closed = false;
  std::string failure;

  void fail(std::string why) {
    if (!failure.empty()) return;
    failure = std::move(why);
    is_open = false;
    error_code ignored;
    resolver.cancel();
    connect_timer.cancel(ignored);
    beast::get_lowest_layer(ws).socket().close(ignored);
  }

  void connect(const SignalKEndpoint& endpoint) {
    connect_timer.expires_after(kConnectTimeout);
    connect_timer.async_wait([this](const error_code& error) {
      if (!error && !is_open) fail("cannot connect: no answer in time");
    });
    const std::string host_header = endpoint.host.find(':') == std::string::npos
                                        ? endpoint.host + ":" + endpoint.port
                                        : "[" + endpoint.host + "]:" + endpoint.port;
    resolver.async_resolve(endpoint.host, endpoint.port,
                           [this, host_header, target = endpoint.target](
                               const error_code& error, const tcp::resolver::results_type& found) {
                             if (error) return fail("cannot connect: " + said(error));
                             beast::get_lowest_layer(ws).async_connect(
                                 found, [this, host_header, target](const error_code& connected,
                                                                    const tcp::endpoint&) {
                                   if (connected) return fail("cannot connect: " + said(connected));
                                   handshake(host_header, target);
                                 });
                           });
  }

  void handshake(const std::string& host_header, const std::string& target) {
    websocket::stream_base::timeout timeouts{};
    timeouts.handshake_timeout = kConnectTimeout;
    timeouts.idle_timeout = kIdleTimeout;
    timeouts.keep_alive_pings = true;
    ws.set_option(timeouts);
    ws.read_message_max(kLargestMessage);
    ws.async_handshake(host_header, target, [this](const error_code& error) {
      if (error) return fail("cannot connect: " + said(error));
      error_code ignored;
      connect_timer.cancel(ignored);
      ws.text(true);
      is_open = true;
      read_next();
    });
  }

  void read_next() {
    ws.async_read(incoming, [this](const error_code& error, std::size_t) {
      if (error) return fail("connection lost: " + said(error));
      inbox.push_back(beast::buffers_to_string(incoming.data()));
      incoming.consume(incoming.size());
      if (inbox.size() > kInboxLimit) inbox.pop_front();
      read_next();
    });
  }

  // Runs handlers until `done` or `deadline`, whichever comes first; past the deadline, those
  // that are ready still run, so that a caller that cannot wait still gets what has come.
  template <class Done>
  void run_until(SteadyTime deadline, Done done) {
    while (!done()) {
      if (io.stopped()) io.restart();
      const bool ran = std::chrono::steady_clock::now() < deadline ? io.run_one_until(deadline) > 0
                                                                   : io.poll_one() > 0;
      if (!ran) return;  // the deadline, or nothing left to do
    }
  }
};

SignalKSocket::SignalKSocket(const SignalKEndpoint& endpoint) : state_(std::make_unique<State>()) {
  state_->connect(endpoint);
}

SignalKSocket::~SignalKSocket() {
  State& state = *state_;
  if (!state.is_open) return;
  // A polite close, briefly: the server then forgets this client at once.
  state.ws.async_close(websocket::close_code::normal,
                       [&state](const error_code&) { state.closed = true; });
  state.run_until(std::chrono::steady_clock::now() + kClosingGrace,
                  [&state] { return state.closed; });
}

bool SignalKSocket::open() const {
  return state_->is_open;
}

const std::string& SignalKSocket::failure() const {
  return state_->failure;
}

bool SignalKSocket::wait_open(SteadyTime deadline) {
  State& state = *state_;
  state.run_until(deadline, [&state] { return state.is_open || !state.failure.empty(); });
  return state.is_open;
}

std::optional<std::string> SignalKSocket::read(SteadyTime deadline) {
  State& state = *state_;
  state.run_until(deadline, [&state] { return !state.inbox.empty() || !state.failure.empty(); });
  if (state.inbox.empty()) return std::nullopt;
  std::string message = std::move(state.inbox.front());
  state.inbox.pop_front();
  return message;
}

bool SignalKSocket::write(const std::string& text, SteadyTime deadline) {
  State& state = *state_;
  if (!state.is_open) return false;
  state.outgoing = text;
  state.written = false;
  state.ws.async_write(asio::buffer(state.outgoing),
                       [&state](const error_code& error, std::size_t) {
                         state.written = true;
                         if (error) state.fail("connection lost: " + said(error));
                       });
  state.run_until(deadline, [&state] { return state.written; });
  if (!state.written) state.fail("connection lost: the server took no data in time");
  return state.written && state.failure.empty();
}

void SignalKSocket::discard_incoming() {
  State& state = *state_;
  if (state.io.stopped()) state.io.restart();
  state.io.poll();
  state.inbox.clear();
}

}  // namespace hurricane::own_ship
