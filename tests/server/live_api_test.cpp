// `serve --watch-dir` end to end: the real executable standing watch over a folder this test
// drops advisories into, asked as the page asks, its stream read as a browser reads it.
#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "cli/run_program.h"
#include "schemas/kept_documents.h"
#include "server/running_server.h"

namespace hurricane::server_test {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using Clock = std::chrono::steady_clock;

struct Folder {
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "live-api-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~Folder() { fs::remove_all(path); }
  // As a writer drops a file: written under a hidden name, then moved in whole.
  void drop(const std::string& name) const {
    fs::copy_file(fs::path(HURRICANE_SOURCE_DIR "/tests/watch/data") / name, path / ("." + name));
    fs::rename(path / ("." + name), path / name);
  }
  fs::path path;
};

// Lee's advisory 30 at its own time: a ship off Hispaniola bound for Nassau.
std::vector<std::string> watching(const Folder& folder) {
  return {"--watch-dir", folder.path.string(), "--ship", "20.5N,69.0W",      "--ship-speed", "14",
          "--to",        "25.5N,77.5W",        "--at",   "2023-09-12T21:00Z"};
}

httplib::Client client(const RunningServer& server) {
  httplib::Client connection("127.0.0.1", server.port());
  connection.set_read_timeout(5, 0);
  return connection;
}

// The latest state once `holds` is true of it (15 s at most: the sanitizer build answers several
// times slower); kept for the schema check.
template <typename Holds>
json state_when(const RunningServer& server, Holds holds) {
  json state;
  for (const auto end = Clock::now() + std::chrono::seconds(15); Clock::now() < end;) {
    const httplib::Result result = client(server).Get("/api/live");
    if (result && result->status == 200) {
      state = json::parse(result->body);
      if (holds(state)) {
        schemas_test::keep_document("live", result->body);
        return state;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ADD_FAILURE() << "the state never came: " << state.dump();
  return state;
}

struct Event {
  std::string id;
  std::string data;
};

// The stream's events as a browser parses them, until `wanted` have come (or it ends).
std::vector<Event> read_events(httplib::Client& connection, std::size_t wanted,
                               const httplib::Headers& headers = {}) {
  std::string text;
  std::vector<Event> events;
  connection.Get("/api/live/events", headers, [&](const char* data, std::size_t length) {
    text.append(data, length);
    for (std::size_t end; (end = text.find("\n\n")) != std::string::npos;) {
      const std::string block = text.substr(0, end);
      text.erase(0, end + 2);
      if (!block.starts_with("event: live\n")) continue;  // retry, keep-alive comments
      const std::size_t id = block.find("id: "), data_at = block.find("data: ");
      events.push_back(
          {block.substr(id + 4, block.find('\n', id) - id - 4), block.substr(data_at + 6)});
    }
    return events.size() < wanted;
  });
  return events;
}

bool has_alarm(const json& state, const std::string& subject, const std::string& alarm_state) {
  for (const json& alarm : state["alarms"]) {
    if (alarm["subject"] == subject && alarm["state"] == alarm_state) return true;
  }
  return false;
}

TEST(LiveApi, FollowsTheFolderAndTakesTheNavigatorsAcknowledgement) {
  Folder folder;
  folder.drop("tcm-al132023-30.txt");
  RunningServer server(watching(folder));
  EXPECT_EQ(json::parse(client(server).Get("/api/health")->body)["watch"], true);
  const json first = state_when(server, [](const json& s) { return !s["storms"].empty(); });
  EXPECT_EQ(first["storms"][0]["name"], "LEE");
  EXPECT_FALSE(first["report"].empty());

  // The stream starts with the state GET gives; one resumed from it waits for the next.
  httplib::Client streaming = client(server);
  const std::vector<Event> opened = read_events(streaming, 1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(json::parse(opened[0].data), first);
  std::vector<Event> resumed;
  std::thread reader([&] {
    httplib::Client again = client(server);
    resumed = read_events(again, 1, {{"Last-Event-ID", opened[0].id}});
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  folder.drop("cut-al132023-30.txt");
  reader.join();
  ASSERT_EQ(resumed.size(), 1u);
  EXPECT_GT(std::stoull(resumed[0].id), std::stoull(opened[0].id));
  const json cut = json::parse(resumed[0].data);
  ASSERT_EQ(cut["files_unread"].size(), 1u);
  EXPECT_EQ(cut["files_unread"][0]["file"], "cut-al132023-30.txt");
  EXPECT_EQ(cut["storms"], first["storms"]);
  EXPECT_TRUE(has_alarm(cut, "cut-al132023-30.txt", "active"));

  const httplib::Result asked = client(server).Post(
      "/api/live/ack", R"({"kind":"unreadable-file","subject":"cut-al132023-30.txt"})",
      "application/json");
  ASSERT_TRUE(asked);
  EXPECT_EQ(asked->status, 202);
  const json seen = state_when(
      server, [](const json& s) { return has_alarm(s, "cut-al132023-30.txt", "acknowledged"); });
  EXPECT_EQ(seen["events"].back()["what"], "acknowledged");

  // The file gone, its alarm clears; acknowledging it again is refused.
  fs::remove(folder.path / "cut-al132023-30.txt");
  const json cleared = state_when(server, [](const json& s) { return s["alarms"].empty(); });
  EXPECT_EQ(cleared["events"].back()["what"], "cleared");
  const httplib::Result late = client(server).Post(
      "/api/live/ack", R"({"kind":"unreadable-file","subject":"cut-al132023-30.txt"})",
      "application/json");
  ASSERT_TRUE(late);
  EXPECT_EQ(late->status, 404);
  EXPECT_EQ(server.stop(SIGTERM), 0);
}

// Twenty open pages each hold a worker with their stream; the rest still answer, and a stop
// ends every stream.
TEST(LiveApi, TwentyOpenStreamsLeaveTheServerAnsweringAndStopping) {
  Folder folder;
  folder.drop("tcm-al132023-30.txt");
  RunningServer server(watching(folder));
  state_when(server, [](const json& s) { return !s["storms"].empty(); });
  constexpr int kPages = 20;
  std::atomic<int> started = 0;
  std::vector<std::thread> pages;
  for (int i = 0; i < kPages; ++i) {
    pages.emplace_back([&] {
      httplib::Client page = client(server);
      page.set_read_timeout(30, 0);
      std::string text;
      bool counted = false;
      page.Get("/api/live/events", [&](const char* data, std::size_t length) {
        text.append(data, length);
        if (!counted && text.find("event: live") != std::string::npos) {
          counted = true;
          ++started;
        }
        return true;
      });
    });
  }
  for (const auto end = Clock::now() + std::chrono::seconds(10);
       started < kPages && Clock::now() < end;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(started, kPages);
  const auto asked = Clock::now();
  const httplib::Result advice = client(server).Post(
      "/api/advice",
      R"({"distance_nm": 1000, "bearing_deg": 275, "track_deg": 91, "speed_kn": 11,
          "keep_nm": 150, "ship_speed_kn": 7, "hemisphere": "north"})",
      "application/json");
  ASSERT_TRUE(advice);
  EXPECT_EQ(advice->status, 200);
  EXPECT_EQ(client(server).Get("/api/live")->status, 200);
  EXPECT_LT(Clock::now() - asked, std::chrono::seconds(2));

  const auto stopping = Clock::now();
  EXPECT_EQ(server.stop(SIGTERM), 0);
  for (std::thread& page : pages) page.join();
  EXPECT_LT(Clock::now() - stopping, std::chrono::seconds(5));
}

TEST(LiveApi, AWatchThatCannotStandIsRefusedBeforeListening) {
  Folder folder;
  const cli_test::ProgramRun missing = cli_test::run_program(
      {"serve", "--listen", "127.0.0.1:0", "--watch-dir", (folder.path / "none").string(), "--ship",
       "20N,60W", "--ship-speed", "10"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("not a directory"), std::string::npos) << missing.err;
  EXPECT_EQ(missing.out, "");
  const cli_test::ProgramRun no_ship = cli_test::run_program(
      {"serve", "--listen", "127.0.0.1:0", "--watch-dir", folder.path.string()});
  EXPECT_EQ(no_ship.status, 2);
  EXPECT_NE(no_ship.err.find("--ship"), std::string::npos) << no_ship.err;
}

}  // namespace
}  // namespace hurricane::server_test
