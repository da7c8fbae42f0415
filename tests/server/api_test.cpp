// The HTTP API end to end: the real executable serving on a free loopback port, asked as an
// integrator would, its answers held against `advise --format json` for the same input.
#include <gtest/gtest.h>
#include <httplib.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli/run_program.h"
#include "cli/schema_check.h"
#include "schemas/kept_documents.h"
#include "server/limits.h"
#include "server/listen_address.h"
#include "server/running_server.h"

namespace hurricane::server_test {
namespace {

using nlohmann::json;

class Api : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new RunningServer; }
  static void TearDownTestSuite() {
    EXPECT_EQ(server_->stop(SIGTERM), 0);
    delete server_;
  }

  static httplib::Client client() {
    httplib::Client connection("127.0.0.1", server_->port());
    connection.set_read_timeout(5, 0);
    return connection;
  }

  static httplib::Result post(const std::string& body, const std::string& path = "/api/advice") {
    httplib::Result result = client().Post(path.c_str(), body, "application/json");
    if (result && result->status == 200 && path == "/api/advice") {
      schemas_test::keep_document("api", result->body);
    }
    return result;
  }

  static RunningServer* server_;
};

RunningServer* Api::server_ = nullptr;

json advise_json(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "advise");
  arguments.insert(arguments.end(), {"--format", "json"});
  const cli_test::ProgramRun run = cli_test::run_program(arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

void expect_security_headers(const httplib::Result& result) {
  ASSERT_TRUE(result);
  EXPECT_EQ(result->get_header_value("Content-Security-Policy"), "default-src 'self'");
  EXPECT_EQ(result->get_header_value("X-Content-Type-Options"), "nosniff");
}

// The answer's error and the input it names.
void expect_error(const httplib::Result& result, int status, const std::string& field,
                  const std::string& message_part) {
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, status) << result->body;
  expect_security_headers(result);
  const json body = json::parse(result->body);
  ASSERT_TRUE(body.contains("error")) << result->body;
  EXPECT_NE(body["error"].get<std::string>().find(message_part), std::string::npos)
      << body["error"];
  if (!field.empty()) {
    EXPECT_EQ(body.value("field", ""), field) << result->body;
  }
}

TEST_F(Api, FirstLineNamesTheAddress) {
  EXPECT_EQ(server_->first_line(),
            "listening on http://127.0.0.1:" + std::to_string(server_->port()) + "/\n");
}

TEST_F(Api, EveryInputFormAnswersWhatAdviseAnswers) {
  const json& schema = cli_test::schema_file("advice.schema.json");
  struct Form {
    const char* body;
    std::vector<std::string> arguments;
  };
  const Form forms[] = {
      {R"({"distance_nm": 1000, "bearing_deg": 275, "track_deg": 91, "speed_kn": 11,
           "keep_nm": 150, "ship_speed_kn": 7, "hemisphere": "north"})",
       {"--distance", "1000", "--bearing", "275", "--track", "91", "--speed", "11", "--keep", "150",
        "--ship-speed", "7", "--north"}},
      // Numbers as a form sends them, and the south.
      {R"({"distance_nm": " 100", "bearing_deg": "20.5", "track_deg": "270", "speed_kn": "8",
           "keep_nm": "60", "ship_speed_kn": "1e1", "hemisphere": "south"})",
       {"--distance", "100", "--bearing", "20.5", "--track", "270", "--speed", "8", "--keep", "60",
        "--ship-speed", "10", "--south"}},
      // Positions, the hemisphere from a southern ship.
      {R"({"ship": "15.2S,150.1E", "storm": "18.0S,152.5E", "track_deg": 200, "speed_kn": 9,
           "keep_nm": 120, "ship_speed_kn": 14})",
       {"--ship", "15.2S,150.1E", "--storm", "18.0S,152.5E", "--track", "200", "--speed", "9",
        "--keep", "120", "--ship-speed", "14"}},
      // Positions as objects, fixes across the 180th meridian, moved on with "at".
      {R"({"ship": {"lat": 25.5, "lon": -178.0},
           "fixes": [{"time": "2023-09-12T12:00Z", "lat": 24.0, "lon": -179.8},
                     "2023-09-12T18:00Z,24.6N,179.3E"],
           "at": "2023-09-12T21:00Z", "keep_nm": 150, "ship_speed_kn": 12})",
       {"--ship", "25.5,-178", "--storm-fix", "2023-09-12T12:00Z,24.0,-179.8", "--storm-fix",
        "2023-09-12T18:00Z,24.6N,179.3E", "--at", "2023-09-12T21:00Z", "--keep", "150",
        "--ship-speed", "12"}},
  };
  for (const Form& form : forms) {
    SCOPED_TRACE(form.body);
    const httplib::Result result = post(form.body);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->status, 200) << result->body;
    EXPECT_EQ(result->get_header_value("Content-Type"), "application/json");
    expect_security_headers(result);
    json answer = json::parse(result->body);
    ASSERT_TRUE(answer.contains("svg"));
    EXPECT_TRUE(answer["svg"].is_string());
    answer.erase("svg");
    EXPECT_EQ(cli_test::schema_problems(answer, schema), std::vector<std::string>{});
    EXPECT_EQ(answer, advise_json(form.arguments));
  }
}

std::string sample(const char* name) {
  std::ifstream file(std::string(HURRICANE_SOURCE_DIR "/tests/advisory/data/") + name);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(Api, AnAdvisoryAnswersWhatAdviseAnswers) {
  const char* const tcm = "tcm-al132023-30.txt";
  const char* const feed = "rss-atlantic-al132023-30.xml";
  const char* const jtwc = "wp062023-khanun-nr017.txt";
  struct Form {
    json body;
    std::vector<std::string> arguments;
  };
  const std::string path = HURRICANE_SOURCE_DIR "/tests/advisory/data/";
  const Form forms[] = {
      {{{"advisory", sample(tcm)}, {"ship", "27N,70W"}, {"ship_speed_kn", 12}},
       {"--advisory", path + tcm, "--ship", "27N,70W", "--ship-speed", "12"}},
      {{{"advisory", sample(feed)},
        {"storm_id", "AL132023"},
        {"ship", "27N,70W"},
        {"ship_speed_kn", "12"},
        {"margin_nm", 20},
        {"at", "2023-09-13T00:00Z"}},
       {"--advisory", path + feed, "--storm-id", "AL132023", "--ship", "27N,70W", "--ship-speed",
        "12", "--margin", "20", "--at", "2023-09-13T00:00Z"}},
      {{{"advisory", sample(jtwc)}, {"ship", "25N,134E"}, {"ship_speed_kn", 12}},
       {"--advisory", path + jtwc, "--ship", "25N,134E", "--ship-speed", "12"}},
      // The escape plan's own keys, as the command line's options.
      {{{"advisory", sample(tcm)},
        {"ship", "23.5N,72.0W"},
        {"ship_speed_kn", 14},
        {"to", "25.05N,77.35W"},
        {"sea_room_nm", 15},
        {"avoid_kt", 50}},
       {"--advisory", path + tcm, "--ship", "23.5N,72.0W", "--ship-speed", "14", "--to",
        "25.05N,77.35W", "--sea-room", "15", "--avoid", "50"}},
      // As a form sends them, texts: these keys took JSON numbers alone, so the page's voyage
      // fields were refused.
      {{{"advisory", sample(tcm)},
        {"ship", "23.5N,72.0W"},
        {"ship_speed_kn", "14"},
        {"course_deg", " 285 "},
        {"sea_room_nm", "15"},
        {"avoid_kt", "64"}},
       {"--advisory", path + tcm, "--ship", "23.5N,72.0W", "--ship-speed", "14", "--course", "285",
        "--sea-room", "15", "--avoid", "64"}},
  };
  for (const Form& form : forms) {
    SCOPED_TRACE(form.arguments[1]);
    const httplib::Result result = post(form.body.dump());
    ASSERT_TRUE(result);
    ASSERT_EQ(result->status, 200) << result->body;
    json answer = json::parse(result->body);
    answer.erase("svg");
    // The chart of the advisory's forecast, beside the board.
    ASSERT_TRUE(answer.contains("chart"));
    const std::string chart = answer["chart"];
    EXPECT_TRUE(chart.starts_with("<?xml"));
    EXPECT_NE(chart.find("class=\"forecast-point\""), std::string::npos);
    answer.erase("chart");
    EXPECT_EQ(answer, advise_json(form.arguments));
  }
  expect_error(
      post(
          json{{"advisory", "no storm here\n"}, {"ship", "27N,70W"}, {"ship_speed_kn", 12}}.dump()),
      400, "advisory", "advisory");
  expect_error(post(json{{"advisory", sample(tcm)},
                         {"ship", "27N,70W"},
                         {"ship_speed_kn", 12},
                         {"distance_nm", 100}}
                        .dump()),
               400, "", "distance_nm");
  // A route given as text steers the plan; one that cannot be read is the route's error.
  std::ifstream gpx(HURRICANE_SOURCE_DIR "/tests/route/data/miami_nassau_rte.gpx");
  const std::string route((std::istreambuf_iterator<char>(gpx)), std::istreambuf_iterator<char>());
  const httplib::Result routed = post(json{
      {"advisory", sample(tcm)},
      {"ship", "25.5N,79.5W"},
      {"ship_speed_kn", 12},
      {"route", route}}.dump());
  ASSERT_TRUE(routed);
  ASSERT_EQ(routed->status, 200) << routed->body;
  EXPECT_EQ(json::parse(routed->body)["plan"]["voyage"], "route");
  expect_error(post(json{{"advisory", sample(tcm)},
                         {"ship", "25.5N,79.5W"},
                         {"ship_speed_kn", 12},
                         {"route", "<gpx>"}}
                        .dump()),
               400, "route", "route");
  expect_error(post(json{{"advisory", sample(tcm)}, {"ship", "27N,70W"}, {"avoid_kt", 40}}.dump()),
               400, "avoid_kt", "34, 50 or 64");
  expect_error(
      post(json{{"advisory", sample(tcm)}, {"ship", "27N,70W"}, {"sea_room_nm", "ten"}}.dump()),
      400, "sea_room_nm", "from 0 to 100");
  // Stale advisories: more than 48 h old at the advice time is a 400 naming the age.
  expect_error(
      post(
          json{{"advisory", sample(tcm)}, {"ship", "27N,70W"}, {"ship_speed_kn", 12}, {"at", "now"}}
              .dump()),
      400, "advisory", "latest advisory");
}

// A post-tropical low without 34-kt radii and no keep: an answer, not an error. The classic
// advice and its board are left out, "classic_needs" names the body's key, and [F] is as the
// command line gives it.
TEST_F(Api, AStormWithoutGalesAnswersWithForecastAdviceAndNamesTheKeep) {
  const char* const low = "tcm-cp012024-42-no34kt.txt";
  const httplib::Result result =
      post(json{{"advisory", sample(low)}, {"ship", "25N,178E"}, {"ship_speed_kn", 12}}.dump());
  ASSERT_TRUE(result);
  ASSERT_EQ(result->status, 200) << result->body;
  json answer = json::parse(result->body);
  EXPECT_TRUE(answer["svg"].is_null());
  EXPECT_EQ(answer["classic_needs"]["input"], "keep_nm");
  EXPECT_NE(answer["classic_needs"]["message"].get<std::string>().find("no 34-kt wind radius"),
            std::string::npos);
  EXPECT_TRUE(answer["forecast"]["recommended"].is_object());
  EXPECT_TRUE(answer.contains("chart"));
  json command_line =
      advise_json({"--advisory", std::string(HURRICANE_SOURCE_DIR "/tests/advisory/data/") + low,
                   "--ship", "25N,178E", "--ship-speed", "12"});
  EXPECT_EQ(command_line["classic_needs"]["input"], "keep");
  for (const char* key : {"svg", "chart", "classic_needs"}) {
    answer.erase(key);
    command_line.erase(key);
  }
  EXPECT_EQ(answer, command_line);
}

// A season's track file, 50 storms and a MiB, is taken as the command line takes it.
TEST_F(Api, ASeasonsTrackFileAnswersWhatAdviseAnswers) {
  const std::string storm = sample("bal132023-at-adv30.dat");
  std::string season;
  for (int number = 10; number < 60; ++number) {
    std::istringstream lines(storm);
    for (std::string line; std::getline(lines, line);) {
      season += "AL, " + std::to_string(number) + line.substr(line.find(',', 4)) + "\n";
    }
  }
  ASSERT_GT(season.size(), std::size_t{1} << 20);
  const std::string path = ::testing::TempDir() + "season.dat";
  std::ofstream(path) << season;
  const httplib::Result result = post(json{
      {"advisory", season},
      {"storm_id", "AL132023"},
      {"ship", "27N,70W"},
      {"ship_speed_kn", 12}}.dump());
  ASSERT_TRUE(result);
  ASSERT_EQ(result->status, 200) << result->body.substr(0, 300);
  json answer = json::parse(result->body);
  answer.erase("svg");
  EXPECT_EQ(answer, advise_json({"--advisory", path, "--storm-id", "AL132023", "--ship", "27N,70W",
                                 "--ship-speed", "12"}));
  expect_error(post(json{{"advisory", season}, {"ship", "27N,70W"}, {"ship_speed_kn", 12}}.dump()),
               400, "advisory", "50 storms");
}

TEST_F(Api, BadInputNamesTheField) {
  expect_error(post("{"), 400, "", "not valid JSON");
  expect_error(post("[1, 2]"), 400, "", "JSON object");
  expect_error(post(R"({"distance": 5})"), 400, "distance", "unknown field");
  expect_error(post(R"({"distance_nm": "12x"})"), 400, "distance_nm", "distance_nm \"12x\"");
  expect_error(post(R"({"distance_nm": true})"), 400, "distance_nm", "expected a number");
  expect_error(post(R"({"hemisphere": "east"})"), 400, "hemisphere", "\"north\" or \"south\"");
  expect_error(post(R"({"ship": "95N,10W", "storm": "20N,60W"})"), 400, "ship", "ship \"95N,10W\"");
  expect_error(post(R"({"ship": {"lat": 10}})"), 400, "ship", "lat");
  // A ship's position on land (central Cuba), as `advise` refuses it.
  expect_error(post(R"({"ship": "22.0N,79.5W", "storm": "21N,77W", "track_deg": 300,
                        "speed_kn": 12, "keep_nm": 150, "ship_speed_kn": 12})"),
               400, "ship", "position 22\u00b000.0'N 079\u00b030.0'W is on land");
  expect_error(post(R"({"fixes": ["2023-09-12T18:00Z,24.7N,66.4W"]})"), 400, "fixes", "two");
  expect_error(post(R"({"ship": "20N,60W", "fixes": ["2023-09-12T18:00Z,24N,66W",
                        "2023-09-12T12:00Z,25N,67W"], "keep_nm": 1, "ship_speed_kn": 1})"),
               400, "fixes", "fixes");
  expect_error(post(R"({"ship": "20N,60W", "fixes": ["2023-09-12T12:00Z,24N,66W",
                        "2023-09-12T18:00Z,95N,67W"], "keep_nm": 1, "ship_speed_kn": 1})"),
               400, "fixes[1]", "latitude");
  // The situation's rules, in the body's names: a negative distance, a missing ship speed,
  // distance and positions together.
  expect_error(post(R"({"distance_nm": -1, "bearing_deg": 1, "track_deg": 1, "speed_kn": 1,
                        "keep_nm": 1, "ship_speed_kn": 1})"),
               400, "distance_nm", "negative");
  expect_error(post(R"({"distance_nm": 1, "bearing_deg": 1, "track_deg": 1, "speed_kn": 1,
                        "keep_nm": 1})"),
               400, "ship_speed_kn", "speed");
  expect_error(post(R"({"distance_nm": 1, "bearing_deg": 1, "ship": "1N,1W", "storm": "2N,2W"})"),
               400, "", "distance_nm");
  expect_error(post(R"({"bearing_deg": 1, "track_deg": 1, "speed_kn": 1, "keep_nm": 1,
                        "ship_speed_kn": 1})"),
               400, "distance_nm", "bearing_deg needs distance_nm");
}

// What cannot be is refused in the body's names; what is unlikely is answered with a warning.
TEST_F(Api, ImplausibleValuesRefusedOrWarned) {
  const json plain = {{"distance_nm", 100}, {"bearing_deg", 300}, {"track_deg", 120},
                      {"speed_kn", 12},     {"keep_nm", 150},     {"ship_speed_kn", 10}};
  const auto with = [&](const char* key, const json& value) {
    json body = plain;
    body[key] = value;
    return body.dump();
  };
  expect_error(post(with("bearing_deg", 450)), 400, "bearing_deg",
               "bearing_deg \"450\": a direction must lie in [0, 360) degrees");
  expect_error(post(with("speed_kn", 61)), 400, "speed_kn",
               "beyond 60 kn: no tropical cyclone moves that fast");
  expect_error(post(with("ship_speed_kn", 1e9)), 400, "ship_speed_kn", "beyond 50 kn");
  expect_error(post(with("distance_nm", 1e308)), 400, "distance_nm",
               "beyond 999999, the largest value the dialogue takes");
  expect_error(post(with("distance_nm", 0.5)), 400, "distance_nm",
               "the ship is at the storm's centre (within 1 nm)");
  // A position as written at sea is read; a bad one is shown back as typed, degree sign kept.
  expect_error(post(json{{"ship", "27\u00b060.0'N 070\u00b000.0'W"}, {"storm", "20N,60W"}}.dump()),
               400, "ship",
               "ship \"27\u00b060.0'N 070\u00b000.0'W\": minutes of the latitude must be below 60");
  const httplib::Result far = post(json{
      {"ship", "24\u00b042.0'N 066\u00b024.0'E"},
      {"storm", "20N,60W"},
      {"track_deg", 300},
      {"speed_kn", 10},
      {"keep_nm", 150},
      {"ship_speed_kn", 10}}.dump());
  ASSERT_TRUE(far);
  ASSERT_EQ(far->status, 200) << far->body;
  EXPECT_EQ(json::parse(far->body)["warnings"],
            json::array({"the storm is 6693.8 nm from the ship, beyond 1500 nm: check the "
                         "positions (an E for a W?)"}));
}

TEST_F(Api, StatusesOfTheWrongRequests) {
  // The bound itself is read (and found not to be JSON); one byte more is refused unread.
  expect_error(post(std::string(server::kMaxBodyBytes, ' ')), 400, "", "not valid JSON");
  expect_error(post(std::string(server::kMaxBodyBytes + 1, ' ')), 413, "",
               "larger than " + std::to_string(server::kMaxBodyBytes));
  expect_error(client().Get("/api/advice"), 405, "", "POST");
  EXPECT_EQ(client().Get("/api/advice")->get_header_value("Allow"), "POST");
  expect_error(post("{}", "/api/health"), 405, "", "GET");
  expect_error(client().Delete("/"), 405, "", "GET");
  for (const char* path : {"/nowhere", "/../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd",
                           "/api/advice/", "/index.html", "//etc/passwd", "/api"}) {
    SCOPED_TRACE(path);
    expect_error(client().Get(path), 404, "", "no such page");
  }
}

TEST_F(Api, HealthAndThePageFiles) {
  const httplib::Result health = client().Get("/api/health");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 200);
  expect_security_headers(health);
  const struct {
    const char* path;
    const char* type;
    const char* holds;
  } files[] = {{"/", "text/html; charset=utf-8", "<script src=\"/app.js\""},
               {"/app.js", "text/javascript; charset=utf-8", "/api/advice"},
               {"/style.css", "text/css; charset=utf-8", "body.night"},
               {"/favicon.svg", "image/svg+xml; charset=utf-8", "<svg"}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.path);
    const httplib::Result result = client().Get(file.path);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->get_header_value("Content-Type"), file.type);
    EXPECT_NE(result->body.find(file.holds), std::string::npos);
    expect_security_headers(result);
  }
  // No inline script or style, which the policy would block.
  const std::string page = client().Get("/")->body;
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_EQ(page.find("<style"), std::string::npos);
  EXPECT_EQ(page.find("style="), std::string::npos);
}

TEST_F(Api, HostileRequestsLeaveTheServerAnswering) {
  // Nested a thousand deep, the reader must neither overflow its stack nor accept it.
  expect_error(post(std::string(20000, '[') + std::string(20000, ']')), 400, "", "JSON object");
  expect_error(post("{\"advisory\": \"\xff\xfe\"}"), 400, "", "not valid JSON");
  expect_error(post(R"({"distance_nm": 1e400})"), 400, "", "");
  // A header line past the library's bound, and bytes that are no HTTP at all.
  httplib::Client long_header = client();
  const httplib::Headers headers = {{"X-Long", std::string(10000, 'x')}};
  const httplib::Result refused = long_header.Get("/api/health", headers);
  if (refused) {
    EXPECT_GE(refused->status, 400);
  }
  {
    httplib::Client raw = client();
    raw.Get(std::string("/\r\n\r\n\x01\x02 junk").c_str());
  }
  const httplib::Result health = client().Get("/api/health");
  ASSERT_TRUE(health);
  EXPECT_EQ(health->status, 200);
}

TEST(ServeProcess, StopsCleanlyOnEitherSignal) {
  for (const int signal : {SIGINT, SIGTERM}) {
    RunningServer server;
    httplib::Client connection("127.0.0.1", server.port());
    ASSERT_TRUE(connection.Get("/api/health"));
    EXPECT_EQ(server.stop(signal), 0) << "signal " << signal;
  }
}

// Regression: the library's default socket options let a second server share a port in use.
TEST(ServeProcess, APortInUseIsRefused) {
  RunningServer first;
  const std::string address = "127.0.0.1:" + std::to_string(first.port());
  const cli_test::ProgramRun second = cli_test::run_program({"serve", "--listen", address});
  EXPECT_EQ(second.status, 1);
  EXPECT_NE(second.err.find("cannot listen on http://" + address + "/"), std::string::npos)
      << second.err;
  EXPECT_EQ(second.out, "");
}

TEST(ServeProcess, WrongListenAddressesAreUsageErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"8080", "no port"},
      {"127.0.0.1:", "the port must be a number from 0 to 65535"},
      {"127.0.0.1:65536", "the port must be a number from 0 to 65535"},
      {"127.0.0.1:-1", "the port must be a number from 0 to 65535"},
      {"::1:80", "an IPv6 address needs brackets"},
      {":8080", "no address"},
      {"127.0.0.1:80x", "the port must be a number from 0 to 65535"},
      {"a b:80", "not an address"}};
  for (const auto& [address, problem] : cases) {
    // The server's parser says what is wrong without naming an option; the command line does.
    const auto parsed = server::parse_listen_address(address);
    ASSERT_FALSE(parsed.ok()) << address;
    EXPECT_EQ(parsed.error().problem.find("--"), std::string::npos) << address;
    const cli_test::ProgramRun run = cli_test::run_program({"serve", "--listen", address});
    EXPECT_EQ(run.status, 2) << address;
    EXPECT_EQ(run.err, "hurricane-escape: --listen '" + std::string(address) + "': " + problem +
                           "; expected ADDR:PORT, for example 127.0.0.1:8080 or [::1]:8080\n");
    EXPECT_EQ(run.out, "");
  }
  const auto v6 = server::parse_listen_address("[::1]:0");
  ASSERT_TRUE(v6.ok());
  EXPECT_EQ(v6.value().host, "::1");
  EXPECT_EQ(server::url_of(v6.value()), "http://[::1]:0/");
}

}  // namespace
}  // namespace hurricane::server_test
