// Load on `hurricane-escape serve`: concurrent keep-alive clients post random situations and
// check every answer against the router's reply to the same body, made here in process (a
// refusal included). Run it by hand for its figures (a brief run is part of the tests),
//
//   build/bench/serve_load build/hurricane-escape [clients] [requests-per-client]
//
// It starts the server on a free loopback port, reports requests per second, the p50 and p99
// latency, and the server's resident memory before and after, and stops the server again.
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "server/routes.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long resident_kib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// The CPU time the process has used, seconds: on a shared machine a steadier measure than the
// wall clock.
double cpu_seconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double ticks = 0.0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14 || i == 15) ticks += std::stod(field);  // utime, stime
  }
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Server {
  pid_t pid = -1;
  int port = 0;
};

Server start(const char* program) {
  int ends[2];
  if (pipe(ends) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
  posix_spawn_file_actions_addclose(&actions, ends[0]);
  std::string command = "serve", option = "--listen", address = "127.0.0.1:0";
  std::string path = program;
  char* argv[] = {path.data(), command.data(), option.data(), address.data(), nullptr};
  Server server;
  if (posix_spawn(&server.pid, program, &actions, nullptr, argv, environ) != 0) std::exit(1);
  close(ends[1]);
  std::FILE* out = fdopen(ends[0], "r");
  char line[256] = {};
  if (std::fgets(line, sizeof line, out) == nullptr) std::exit(1);
  const std::string text = line;
  server.port = std::stoi(text.substr(text.rfind(':') + 1));
  return server;
}

// A random situation as the body sends it, and the reply the router gives for it here: the
// advice document, or the refusal of a situation that cannot be (the ship on the centre, say).
struct Case {
  std::string body;
  int status = 0;
  nlohmann::ordered_json expected;
};

// The reply's document without its picture, which is checked by the picture's own tests.
nlohmann::ordered_json document_of(const std::string& body) {
  nlohmann::ordered_json document = nlohmann::ordered_json::parse(body);
  document.erase("svg");
  return document;
}

Case random_case(std::mt19937_64& random) {
  std::uniform_real_distribution<double> distance(0.0, 1500.0), angle(0.0, 360.0), speed(0.0, 30.0),
      keep(10.0, 300.0), ship(0.0, 25.0);
  std::bernoulli_distribution south(0.3);
  const nlohmann::json body = {{"distance_nm", distance(random)},
                               {"bearing_deg", angle(random)},
                               {"track_deg", angle(random)},
                               {"speed_kn", speed(random)},
                               {"keep_nm", keep(random)},
                               {"ship_speed_kn", ship(random)},
                               {"hemisphere", south(random) ? "south" : "north"}};
  Case one{body.dump(), 0, {}};
  const hurricane::server::Reply reply =
      hurricane::server::respond("POST", "/api/advice", one.body);
  one.status = reply.status;
  one.expected = document_of(reply.body);
  return one;
}

// Stops the server on every way out of main, an exception's included, so that a failed run
// never leaves it listening.
struct RunningServer {
  Server server;
  ~RunningServer() {
    if (server.pid <= 0) return;
    kill(server.pid, SIGTERM);
    int status = 0;
    waitpid(server.pid, &status, 0);
  }
};

int run(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: serve_load PROGRAM [clients] [requests-per-client]\n");
    return 2;
  }
  const int clients = argc > 2 ? std::atoi(argv[2]) : 32;
  const int per_client = argc > 3 ? std::atoi(argv[3]) : 2000;
  const RunningServer running{start(argv[1])};
  const Server& server = running.server;
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const long before = resident_kib(server.pid);
  const double cpu_before = cpu_seconds(server.pid);

  // Situations and their expected documents are made first, so the clock measures the server.
  std::vector<std::vector<Case>> cases(static_cast<std::size_t>(clients));
  for (int c = 0; c < clients; ++c) {
    std::mt19937_64 random(static_cast<std::uint64_t>(c) + 1);
    for (int i = 0; i < per_client; ++i)
      cases[static_cast<std::size_t>(c)].push_back(random_case(random));
  }

  std::atomic<long> wrong = 0, failed = 0;
  std::vector<std::vector<double>> latencies(static_cast<std::size_t>(clients));
  const Clock::time_point start_time = Clock::now();
  std::vector<std::thread> threads;
  for (int c = 0; c < clients; ++c) {
    threads.emplace_back([&, c] {
      httplib::Client client("127.0.0.1", server.port);
      client.set_keep_alive(true);
      client.set_tcp_nodelay(true);
      std::vector<double>& mine = latencies[static_cast<std::size_t>(c)];
      mine.reserve(static_cast<std::size_t>(per_client));
      for (const Case& one : cases[static_cast<std::size_t>(c)]) {
        const Clock::time_point sent = Clock::now();
        const httplib::Result result = client.Post("/api/advice", one.body, "application/json");
        mine.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        if (!result || result->status != one.status) {
          ++failed;
          std::fprintf(stderr, "request %zu of client %d: %s\n", mine.size(), c,
                       result ? std::to_string(result->status).c_str()
                              : httplib::to_string(result.error()).c_str());
          continue;
        }
        if (document_of(result->body) != one.expected) ++wrong;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  const double seconds = std::chrono::duration<double>(Clock::now() - start_time).count();
  const long after = resident_kib(server.pid);
  const double cpu = cpu_seconds(server.pid) - cpu_before;

  std::vector<double> all;
  for (const auto& mine : latencies) all.insert(all.end(), mine.begin(), mine.end());
  std::sort(all.begin(), all.end());
  const auto at = [&](double share) {
    return all[std::min(all.size() - 1,
                        static_cast<std::size_t>(share * static_cast<double>(all.size())))];
  };
  std::printf("%d clients x %d requests: %zu in %.2f s = %.0f requests/s\n", clients, per_client,
              all.size(), seconds, static_cast<double>(all.size()) / seconds);
  std::printf("latency p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", at(0.50), at(0.99), all.back());
  std::printf("server CPU %.2f s: %.0f requests per CPU second\n", cpu,
              static_cast<double>(all.size()) / cpu);
  std::printf("answers wrong %ld, failed %ld\n", wrong.load(), failed.load());
  std::printf("server memory %ld KiB before, %ld KiB after (%+ld KiB)\n", before, after,
              after - before);
  return wrong == 0 && failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "serve_load: %s\n", failure.what());
    return 1;
  }
}
