// The live API's answers against a board with nothing posted, with a state, and without a
// watch at all; the refusals of an acknowledgement, each naming what is wrong.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "server/live_routes.h"

namespace hurricane::server {
namespace {

using nlohmann::json;

const char* const kState =
    R"({"version":1,"alarms":[{"kind":"unreadable-file","subject":"cut.txt","reason":"cut",)"
    R"("since":"2023-09-12T21:00:00Z","state":"active"}]})";

Reply live(std::string_view method, std::string_view path, std::string_view body,
           watch::LiveBoard* board) {
  const std::optional<Reply> reply = live_route(method, path, body, board);
  EXPECT_TRUE(reply) << path;
  return reply.value_or(Reply{});
}

std::string field_of(const Reply& reply) {
  return json::parse(reply.body).value("field", "");
}

TEST(LiveRoutes, TheLatestStateOnceThereIsOne) {
  watch::LiveBoard board;
  EXPECT_EQ(live("GET", kLivePath, "", &board).status, 503);
  board.post(kState);
  const Reply reply = live("GET", kLivePath, "", &board);
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.body, kState);
  EXPECT_EQ(live("POST", kLivePath, "", &board).status, 405);
  // The stream is the HTTP side's to answer; other paths are not the live API's.
  EXPECT_FALSE(live_route("GET", kLiveEventsPath, "", &board));
  EXPECT_FALSE(live_route("GET", "/api/advice", "", &board));
}

TEST(LiveRoutes, WithoutAWatchEveryLivePathIsNotFound) {
  for (const auto& [method, path] : {std::pair{"GET", kLivePath}, std::pair{"GET", kLiveEventsPath},
                                     std::pair{"POST", kLiveAckPath}}) {
    const Reply reply = live(method, path, R"({"kind":"decide-soon","subject":""})", nullptr);
    EXPECT_EQ(reply.status, 404) << path;
    EXPECT_NE(json::parse(reply.body)["error"].get<std::string>().find("--watch-dir"),
              std::string::npos);
  }
}

TEST(LiveRoutes, AnAcknowledgementIsQueuedOnlyForAnAlarmRaised) {
  watch::LiveBoard board;
  board.post(kState);
  struct Bad {
    const char* body;
    int status;
    const char* field;
  };
  for (const Bad& bad :
       {Bad{"not json", 400, ""}, Bad{"[]", 400, ""}, Bad{R"({"subject":"cut.txt"})", 400, "kind"},
        Bad{R"({"kind":3,"subject":"cut.txt"})", 400, "kind"},
        Bad{R"({"kind":"no-such-kind","subject":"cut.txt"})", 400, "kind"},
        Bad{R"({"kind":"unreadable-file"})", 400, "subject"},
        Bad{R"({"kind":"unreadable-file","subject":"other.txt"})", 404, ""},
        Bad{R"({"kind":"decide-soon","subject":""})", 404, ""}}) {
    const Reply reply = live("POST", kLiveAckPath, bad.body, &board);
    EXPECT_EQ(reply.status, bad.status) << bad.body;
    EXPECT_EQ(field_of(reply), bad.field) << bad.body;
  }
  EXPECT_TRUE(board.take_acks().empty());
  EXPECT_EQ(live("GET", kLiveAckPath, "", &board).status, 405);

  const Reply asked =
      live("POST", kLiveAckPath, R"({"kind":"unreadable-file","subject":"cut.txt"})", &board);
  EXPECT_EQ(asked.status, 202);
  const std::vector<watch::AckRequest> acks = board.take_acks();
  ASSERT_EQ(acks.size(), 1u);
  EXPECT_EQ(acks[0].kind, "unreadable-file");
  EXPECT_EQ(acks[0].subject, "cut.txt");
}

}  // namespace
}  // namespace hurricane::server
