#include "server/live_stream.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "server/limits.h"

namespace hurricane::server {
namespace {

using Clock = std::chrono::steady_clock;

struct Stream {
  std::uint64_t seen = 0;
  Clock::time_point ends;
  bool started = false;
};

// The sequence the browser saw; 0 (send the latest) for none, or for one from before a restart.
std::uint64_t seen_of(std::string_view last_event_id, std::uint64_t latest) {
  std::uint64_t seen = 0;
  const char* end = last_event_id.data() + last_event_id.size();
  const auto read = std::from_chars(last_event_id.data(), end, seen);
  if (read.ec != std::errc() || read.ptr != end || seen > latest) return 0;
  return seen;
}

bool send(httplib::DataSink& sink, const std::string& text) {
  return sink.write(text.data(), text.size());
}

}  // namespace

void stream_live(const watch::LiveBoard& board, std::string_view last_event_id,
                 httplib::Response& response) {
  auto stream = std::make_shared<Stream>();
  stream->seen = seen_of(last_event_id, board.latest().sequence);
  stream->ends = Clock::now() + std::chrono::seconds(kLiveStreamSeconds);
  response.set_header("X-Accel-Buffering", "no");
  response.set_chunked_content_provider(
      "text/event-stream", [&board, stream](std::size_t, httplib::DataSink& sink) {
        if (!stream->started) {
          stream->started = true;
          if (!send(sink, "retry: " + std::to_string(kLiveRetryMs) + "\n\n")) return false;
        }
        const auto left = stream->ends - Clock::now();
        if (board.closed() || left <= Clock::duration::zero()) {
          sink.done();
          return true;
        }
        const auto wait = std::min(std::chrono::duration_cast<std::chrono::milliseconds>(left),
                                   std::chrono::milliseconds(kLiveKeepAliveSeconds * 1000));
        const watch::LivePost post = board.wait_after(stream->seen, wait);
        if (post.sequence <= stream->seen) return send(sink, ": keep-alive\n\n");
        stream->seen = post.sequence;
        // The document is one line, as a data field must be.
        return send(sink, "event: live\nid: " + std::to_string(post.sequence) +
                              "\ndata: " + post.json + "\n\n");
      });
}

}  // namespace hurricane::server
