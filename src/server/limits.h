// Every bound the server holds a request and a connection to, in one place.
#pragma once

#include <cstddef>
#include <ctime>

#include "advisory/read_advisory.h"

namespace hurricane::server {

// Largest request body read, bytes; a longer one is answered 413 unread. A body carries at most
// one advisory input, as large as the command line takes one (a feed of several storms or a
// season's track file); a quarter more holds its JSON escapes (one "\n" a line) and the other
// fields. 48 workers each holding one is 240 MiB at worst.
inline constexpr std::size_t kMaxBodyBytes =
    advisory::kMaxInputBytes + advisory::kMaxInputBytes / 4;

// Largest request line and largest single header line, bytes. The HTTP library fixes both when
// it is built (8 KiB in the Debian package); a longer request is refused with 414 or 400. Kept
// here so every bound is read in one place; the tests hold the library to it.
inline constexpr std::size_t kMaxHeaderLineBytes = 8192;

// Connections served at once: a keep-alive connection holds its worker until it closes, so
// this is the number of browsers and clients that can be open together. More wait, at most
// kMaxWaitingConnections of them, accepted; past that the server stops accepting, and the
// system's listen queue holds or refuses the rest.
inline constexpr std::size_t kWorkerThreads = 48;
inline constexpr std::size_t kMaxWaitingConnections = 256;

// Memory pools the workers share (glibc's malloc arenas); one a core keeps them busy without
// each worker keeping its own peak.
inline constexpr int kMallocArenas = 2;

// Connections the system holds for the server before it accepts them (the library's own 5 is
// overflowed by a handful of clients connecting at once).
inline constexpr int kListenQueue = 128;

// A client that sends or receives nothing for this long is cut off, seconds.
inline constexpr std::time_t kReadTimeoutSeconds = 5;
inline constexpr std::time_t kWriteTimeoutSeconds = 5;

// Keep-alive: an idle connection is closed after this many seconds, and any connection after
// this many requests, so no client holds a worker for ever.
inline constexpr std::time_t kKeepAliveTimeoutSeconds = 5;
inline constexpr std::size_t kKeepAliveMaxRequests = 1000;

// The live stream (GET /api/live/events): a comment this often keeps an idle connection and the
// proxies between open; each stream ends after kLiveStreamSeconds, so no browser holds a worker
// for ever (the page's EventSource reconnects, and Last-Event-ID carries on where it was). With
// kWorkerThreads 48, 20 open pages hold 20 and leave the rest for their other requests.
inline constexpr int kLiveKeepAliveSeconds = 15;
inline constexpr int kLiveStreamSeconds = 180;
// How soon a reconnecting page tries again, milliseconds.
inline constexpr int kLiveRetryMs = 1000;

// Where `serve` listens without --listen: this machine only.
inline constexpr const char* kDefaultListen = "127.0.0.1:8080";

}  // namespace hurricane::server
