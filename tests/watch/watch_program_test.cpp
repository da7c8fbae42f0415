// The real program standing watch: advisories dropped into its folder while it runs answered
// within 2 s, a cut file named without changing the answer, and --once for scripts.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "watch/running_program.h"

namespace {

using hurricane::watch_test::Program;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Finished {
  int status;
  std::string out;
};

Finished run_once(const std::vector<std::string>& arguments) {
  std::string command = HURRICANE_PROGRAM;
  for (const std::string& a : arguments) command += " '" + a + "'";
  FILE* pipe = popen(command.c_str(), "r");
  Finished run{-1, ""};
  char buffer[4096];
  for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string data(const std::string& name) {
  return (fs::path(WATCH_DATA_DIR) / name).string();
}

struct TempDir {
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "watch-program-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~TempDir() { fs::remove_all(path); }
  fs::path path;
};

// Lee's advisory 30: a ship off Hispaniola bound for Nassau.
const std::vector<std::string> kShip = {
    "--ship", "20.5N,69.0W", "--ship-speed", "14",
    "--to",   "25.5N,77.5W", "--at",         "2023-09-12T21:00Z"};

std::vector<std::string> with(std::vector<std::string> first,
                              const std::vector<std::string>& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

// The escape plan block `advise` prints first for the same ship and advisory.
std::string advise_plan_block() {
  const Finished advised =
      run_once(with({"advise", "--advisory", data("tcm-al132023-30.txt")}, kShip));
  EXPECT_EQ(advised.status, 0);
  return advised.out.substr(0, advised.out.find("\n\n") + 1);
}

// Everything of the watch's latest block from its plan to its alarms.
std::string plan_of_block(const std::string& out, std::size_t from) {
  const std::size_t start = out.find("Escape plan to", from);
  const std::size_t end = out.find("Alarms", start);
  return start == std::string::npos ? "" : out.substr(start, end - start);
}

TEST(WatchProgram, AdvisoriesDroppedWhileItRunsAreAnsweredAtOnce) {
  TempDir dir;
  const fs::path log = dir.path / "alarms.jsonl";
  fs::create_directory(dir.path / "in");
  Program watch(
      with({"watch", "--watch-dir", (dir.path / "in").string(), "--log", log.string()}, kShip));
  ASSERT_TRUE(watch.wait_for("No answer: no advisory in the folder to advise on", 0, 10s))
      << watch.out;

  // Written under a hidden name and moved in, as a downloader does.
  std::size_t from = watch.out.size();
  fs::copy_file(data("tcm-al132023-30.txt"), dir.path / "in" / ".lee.part");
  fs::rename(dir.path / "in" / ".lee.part", dir.path / "in" / "lee.txt");
  ASSERT_TRUE(watch.wait_for("Alarms", from, 2s)) << watch.out;
  const std::string plan = plan_of_block(watch.out, from);
  EXPECT_EQ(plan, advise_plan_block() + "\n");
  EXPECT_NE(watch.out.find("Watch at 2023-09-12T21:00:00Z: lee.txt\n", from), std::string::npos);

  // A cut file: named with its error and its alarm; the plan as it was.
  from = watch.out.size();
  fs::copy_file(data("cut-al132023-30.txt"), dir.path / "in" / "cut.txt");
  ASSERT_TRUE(watch.wait_for("Alarms", from, 2s)) << watch.out;
  EXPECT_NE(watch.out.find("ALARM raised unreadable-file (cut.txt): line 45: ", from),
            std::string::npos)
      << watch.out.substr(from);
  EXPECT_NE(watch.out.find("Cannot read cut.txt: line 45: ", from), std::string::npos);
  EXPECT_EQ(plan_of_block(watch.out, from), plan);

  // Deleted: its alarm cleared.
  from = watch.out.size();
  fs::remove(dir.path / "in" / "cut.txt");
  ASSERT_TRUE(watch.wait_for("Alarms: none", from, 2s)) << watch.out;
  EXPECT_NE(watch.out.find("ALARM cleared unreadable-file (cut.txt)", from), std::string::npos);

  // The log holds the alarm raised then cleared, a JSON object a line.
  std::ifstream lines(log);
  std::vector<nlohmann::json> events;
  for (std::string line; std::getline(lines, line);) events.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0]["event"], "raised");
  EXPECT_EQ(events[1]["event"], "cleared");
  for (const auto& event : events) {
    EXPECT_EQ(event["kind"], "unreadable-file");
    EXPECT_EQ(event["subject"], "cut.txt");
    EXPECT_EQ(event["raised"], "2023-09-12T21:00:00Z");
  }
}

TEST(WatchProgram, OnceAnswersAndItsStatusSaysWhetherAnAlarmIsRaised) {
  TempDir dir;
  fs::copy_file(data("tcm-al132023-30.txt"), dir.path / "lee.txt");
  const Finished clear =
      run_once(with({"watch", "--once", "--watch-dir", dir.path.string()}, kShip));
  EXPECT_EQ(clear.status, 0);
  EXPECT_EQ(clear.out, "Watch at 2023-09-12T21:00:00Z: lee.txt\n" + advise_plan_block() +
                           "\nAlarms: none\n\n");
  fs::copy_file(data("cut-al132023-30.txt"), dir.path / "cut.txt");
  const Finished alarmed =
      run_once(with({"watch", "--once", "--watch-dir", dir.path.string()}, kShip));
  EXPECT_EQ(alarmed.status, 3) << alarmed.out;
  EXPECT_TRUE(alarmed.out.starts_with("ALARM raised unreadable-file (cut.txt): line 45: "))
      << alarmed.out;
  // Usage and unusable values keep the program's statuses.
  EXPECT_EQ(run_once({"watch", "--once", "--ship", "20N,60W", "--ship-speed", "12"}).status, 2);
  EXPECT_EQ(
      run_once(with({"watch", "--once", "--watch-dir", dir.path.string(), "--avoid", "40"}, kShip))
          .status,
      1);
}

}  // namespace
