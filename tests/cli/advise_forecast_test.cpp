// Advice [F] through the real executable: the block after the classic report, the JSON
// `forecast` object on every sample product, and the options that shape it.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"

namespace hurricane::cli_test {
namespace {

const json& schema() {
  return schema_file("advice.schema.json");
}

json forecast_of(std::vector<std::string> arguments) {
  arguments.insert(arguments.end(), {"--format", "json"});
  const ProgramRun run = run_program(arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  const json answer = json::parse(run.out, nullptr, false);
  for (const std::string& problem : schema_problems(answer, schema())) ADD_FAILURE() << problem;
  return answer.is_object() && answer.contains("forecast") ? answer["forecast"] : json();
}

TEST(AdviseForecast, TextBlockAfterTheClassicReport) {
  const ProgramRun run =
      run_program(advise_on("tcm-al132023-30.txt", {"--course", "300", "--no-land"}, "30N,78W"));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::size_t classic = run.out.find("==> Result:");
  const std::size_t forecast = run.out.find("==> Along the official forecast [F]:");
  ASSERT_NE(forecast, std::string::npos);
  EXPECT_LT(classic, forecast);
  const std::string joined = unwrapped(run.out);
  EXPECT_NE(joined.find("Model: error cone:2 (two-thirds cone AL 2023) + margin 100 nm around "
                        "the 34-kt winds, horizon 72.0 h, judged from 12/2100Z to 15/2100Z; land "
                        "not checked.\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(joined.find("AL132023 advisory 30: 9 points, not judged after 17/1800Z; radii "
                        "carried from the point before from 57.0 h.\n"),
            std::string::npos);
  EXPECT_NE(joined.find("Recommended (most clearance near the voyage course 300): course "),
            std::string::npos);
  EXPECT_NE(run.out.find("Staying put: "), std::string::npos);
  // Left out on request: the classic answer alone.
  const ProgramRun without = run_program(advise_on(
      "tcm-al132023-30.txt", {"--course", "300", "--no-forecast", "--no-land"}, "30N,78W"));
  // (After the escape plan, which rests on [F] and so is left out with it.)
  // Below a plan the classic block is titled as the board's solution; alone it is not.
  const std::size_t after_plan = run.out.find(" From the advisory");
  ASSERT_NE(after_plan, std::string::npos);
  std::string classic_part =
      run.out.substr(after_plan, run.out.rfind("\n\n", forecast) + 1 - after_plan);
  const std::string title = " Maneuvering-board solution on the present motion, [A] and [B]:\n";
  const std::size_t titled = classic_part.find(title);
  ASSERT_NE(titled, std::string::npos) << classic_part;
  classic_part.erase(titled, title.size());
  EXPECT_EQ(without.out, classic_part);
}

// East of the Bahamas most courses meet land within 72 h at 12 kn: such a course is not open
// whatever its clearance, and the text says the model held land.
TEST(AdviseForecast, CoursesOntoLandAreNotOpen) {
  const std::vector<std::string> at_sea =
      advise_on("tcm-al132023-30.txt", {"--format", "json"}, "26.5N,76.5W");
  const ProgramRun run = run_program(at_sea);
  ASSERT_EQ(run.status, 0) << run.err;
  const json forecast = json::parse(run.out)["forecast"];
  EXPECT_EQ(forecast["land_checked"], true);
  const json& full = forecast["speeds"][0];
  // Course 270 meets Great Abaco's east coast near 77.0W, some 26 nm west: about 2.2 h at 12 kn.
  ASSERT_TRUE(full["land_at_h"][270].is_number());
  EXPECT_GT(full["land_at_h"][270].get<double>(), 1.8);
  EXPECT_LT(full["land_at_h"][270].get<double>(), 2.6);
  for (const json& range : full["open"]) {
    for (int c = range["first"];; c = (c + 1) % 360) {
      EXPECT_TRUE(full["land_at_h"][static_cast<std::size_t>(c)].is_null()) << c;
      if (c == range["last"]) break;
    }
  }
  // Without land the same course is judged on its clearance alone.
  std::vector<std::string> no_land = at_sea;
  no_land.push_back("--no-land");
  const json plain = json::parse(run_program(no_land).out)["forecast"];
  EXPECT_EQ(plain["land_checked"], false);
  EXPECT_TRUE(plain["speeds"][0]["land_at_h"][270].is_null());
  const ProgramRun text = run_program(advise_on("tcm-al132023-30.txt", {}, "26.5N,76.5W"));
  EXPECT_NE(unwrapped(text.out).find("; a course that meets land within it is not open.\n"),
            std::string::npos)
      << text.out;
}

// A JTWC warning has no official cone table of its own: the Atlantic one of the season is used,
// and the model line says so.
TEST(AdviseForecast, JtwcWarningBorrowsTheAtlanticConeAndSaysSo) {
  const ProgramRun run = run_program(advise_on("wp062023-khanun-nr017.txt", {}, "20N,135E"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(unwrapped(run.out).find(
                "Model: error cone:2 (two-thirds cone AL 2023; WP has no official cone "
                "table, so this one is used)"),
            std::string::npos)
      << run.out;
}

// An Atlantic and an eastern Pacific advisory together: each storm is judged with its own
// basin's cone (Gilma's 2024 season takes the newest earlier table), and both are named.
TEST(AdviseForecast, SeveralStormsNameEachStormsConeTable) {
  const std::vector<std::string> both =
      advise_on("tcm-al132023-30.txt",
                {"--advisory", advisory_path("tcm-ep072024-27.txt"), "--no-land"}, "27N,70W");
  const ProgramRun text = run_program(both);
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(unwrapped(text.out).find(
                "Model: error cone:2 (two-thirds cones AL 2023 for AL132023, EP 2023 "
                "for EP072024) + margin 100 nm"),
            std::string::npos)
      << text.out;
  std::vector<std::string> as_json = both;
  const json forecast = forecast_of(as_json);
  EXPECT_EQ(forecast["error_model"]["basin"], "AL");
  ASSERT_EQ(forecast["storms"].size(), 2u);
  EXPECT_EQ(forecast["storms"][0]["error_model"]["basin"], "AL");
  EXPECT_EQ(forecast["storms"][1]["error_model"]["basin"], "EP");
  EXPECT_EQ(forecast["storms"][1]["error_model"]["season"], 2023);
  EXPECT_EQ(forecast["storms"][1]["error_model"]["radii_nm"][1], 38.0);
  EXPECT_EQ(forecast["storms"][1]["error_model"]["scale"], 2.0);
}

// The sentence that [F] and the classic advice rest on different things appears only when they
// disagree: when the classic course is shut along the forecast, away from every open course.
TEST(AdviseForecast, DisagreementWithTheClassicCourseIsSaidOnlyWhenThere) {
  // Without land: at 30N 70W the escape 020 meets land within 72 h and would be passed over.
  const auto forecast = [](const char* ship) {
    const ProgramRun run =
        run_program(advise_on("tcm-al132023-30.txt", {"--format", "json", "--no-land"}, ship));
    EXPECT_EQ(run.status, 0) << run.err;
    return json::parse(run.out)["forecast"];
  };
  // Lee moves north: from 30N 70W the classic escape 020 runs ahead of the forecast track.
  const json ahead = forecast("30N,70W");
  EXPECT_EQ(ahead["classic_course_deg"], 20);
  EXPECT_EQ(ahead["disagrees_with_classic"], true);
  EXPECT_TRUE(ahead["speeds"][0]["clearance_nm"][20].get<double>() < 0 ||
              !ahead["speeds"][0]["land_at_h"][20].is_null());
  // Well east of it the classic escape 122 is open along the forecast too.
  const json east = forecast("27N,60W");
  EXPECT_EQ(east["classic_course_deg"], 122);
  EXPECT_EQ(east["disagrees_with_classic"], false);
  const ProgramRun text = run_program(advise_on("tcm-al132023-30.txt", {"--no-land"}, "27N,60W"));
  EXPECT_EQ(text.out.find("disagree"), std::string::npos);
  const ProgramRun other = run_program(advise_on("tcm-al132023-30.txt", {"--no-land"}, "30N,70W"));
  EXPECT_NE(unwrapped(other.out).find(
                "[F] and the classic advice disagree: its course 020 is not open along "
                "the forecast. [F] rests on the official forecast; the classic advice "
                "above on the present motion.\n"),
            std::string::npos)
      << other.out;
}

// Every shared product: the object the schema describes, 360 clearances per speed, open
// ranges that hold only open courses, and a recommendation where there is a forecast.
TEST(AdviseForecast, EveryProductInJson) {
  struct Case {
    const char* name;
    std::vector<std::string> more;
    const char* ship;
  };
  const Case cases[] = {{"tcm-al132023-30.txt", {}, "27N,70W"},
                        {"rss-atlantic-al132023-30.xml", {"--storm-id", "AL132023"}, "27N,70W"},
                        {"tcm-ep072024-27.txt", {}, "19N,135W"},
                        {"tcm-cp012024-42.txt", {}, "28N,179W"},
                        {"wp062023-khanun-nr017.txt", {}, "20N,135E"}};
  for (const Case& c : cases) {
    const json forecast = forecast_of(advise_on(c.name, c.more, c.ship));
    ASSERT_TRUE(forecast.is_object()) << c.name;
    ASSERT_EQ(forecast["speeds"].size(), 4u) << c.name;
    EXPECT_EQ(forecast["speeds"][0]["speed_kn"], 12);
    EXPECT_EQ(forecast["speeds"][3]["speed_kn"], 3);
    const json& full = forecast["speeds"][0];
    for (const json& range : full["open"]) {
      EXPECT_GE(full["clearance_nm"][range["first"].get<std::size_t>()].get<double>(), 0);
      EXPECT_GE(full["clearance_nm"][range["last"].get<std::size_t>()].get<double>(), 0);
    }
    ASSERT_TRUE(forecast["recommended"].is_object()) << c.name;
    EXPECT_EQ(forecast["none_open"], full["open"].empty()) << c.name;
    // Every course at every speed is open or shut for the reason its clearance and land give.
    for (const json& speed : forecast["speeds"]) {
      std::vector<std::string> by(360);
      const auto mark = [&](const json& runs, const char* open) {
        for (const json& run : runs) {
          for (int course = run["first"];; course = (course + 1) % 360) {
            EXPECT_TRUE(by[static_cast<std::size_t>(course)].empty()) << c.name << course;
            by[static_cast<std::size_t>(course)] = open ? open : run["by"].get<std::string>();
            if (course == run["last"]) break;
          }
        }
      };
      mark(speed["open"], "open");
      mark(speed["shut"], nullptr);
      for (std::size_t course = 0; course < 360; ++course) {
        const bool danger = speed["clearance_nm"][course].get<double>() < 0;
        const bool land = !speed["land_at_h"][course].is_null();
        EXPECT_EQ(by[course], danger && land ? "both"
                              : danger       ? "danger"
                              : land         ? "land"
                                             : "open")
            << c.name << " " << course;
      }
    }
  }
}

TEST(AdviseForecast, BestTrackSaysThereIsNoForecast) {
  const json forecast = forecast_of(advise_on("bal132023-at-adv30.dat", {}));
  EXPECT_TRUE(forecast["recommended"].is_null());
  EXPECT_NE(forecast["no_forecast"].get<std::string>().find("no forecast points"),
            std::string::npos);
}

// A forecast that ends before the advice time judges nothing: the document states no course's
// clearance (once 360 nulls where the schema holds numbers) and keeps to the schema.
TEST(AdviseForecast, AForecastEndedBeforeTheAdviceTimeKeepsTheSchema) {
  const std::string twelve_hours = kForecastOf12Hours;

  const ProgramRun run =
      run_program({"advise", "--advisory", "-", "--ship", "27N,62W", "--ship-speed", "12", "--at",
                   "2023-09-13T12:00Z", "--no-land", "--format", "json"},
                  &twelve_hours);
  ASSERT_EQ(run.status, 0) << run.err;
  const json forecast = json::parse(run.out)["forecast"];
  EXPECT_TRUE(forecast["speeds"].empty());
  EXPECT_TRUE(forecast["recommended"].is_null());
  EXPECT_FALSE(forecast["no_forecast"].is_null());
  const auto problems = schema_problems(json::parse(run.out), schema());
  EXPECT_TRUE(problems.empty()) << problems.front();
}

// An a-deck's official forecast (hand-made lines) is judged as an advisory's: the analysis and
// five OFCL points, the track ending at the 96-h outlook point.
TEST(AdviseForecast, ADeckOfficialForecastIsJudged) {
  const std::vector<std::string> arguments =
      advise_on("aal982023-ofcl.dat", {"--no-land"}, "27N,62W");
  const json forecast = forecast_of(arguments);
  ASSERT_EQ(forecast["storms"].size(), 1u);
  EXPECT_EQ(forecast["storms"][0]["storm_id"], "AL982023");
  EXPECT_TRUE(forecast["storms"][0]["advisory"].is_null());
  EXPECT_EQ(forecast["storms"][0]["points"], 6);
  EXPECT_EQ(forecast["storms"][0]["ends_at"], "2023-09-16T18:00:00Z");
  EXPECT_TRUE(forecast["recommended"].is_object());
  std::vector<std::string> as_json = arguments;
  as_json.insert(as_json.end(), {"--format", "json"});
  const json advisory = json::parse(run_program(as_json).out)["advisory"];
  EXPECT_EQ(advisory["analysis_technique"], "OFCL");
  EXPECT_EQ(advisory["forecast"].size(), 5u);
  const ProgramRun text = run_program(arguments);
  EXPECT_NE(text.out.find("   advisory     no number (ATCF records have none); analysis from OFCL "
                          "at hour\n                0, forecast from OFCL\n"),
            std::string::npos)
      << text.out;
}

TEST(AdviseForecast, ErrorModelMarginAndHorizonAsGiven) {
  const json forecast = forecast_of(
      advise_on("tcm-al132023-30.txt", {"--error", "1-2-3", "--margin", "20", "--horizon", "36"}));
  EXPECT_EQ(forecast["error_model"]["kind"], "1-2-3");
  EXPECT_TRUE(forecast["error_model"]["basin"].is_null());
  EXPECT_EQ(forecast["error_model"]["margin_nm"], 20);
  EXPECT_EQ(forecast["horizon_h"], 36);
  const json cone = forecast_of(advise_on("tcm-al132023-30.txt", {"--error", "cone:1.5"}));
  EXPECT_EQ(cone["error_model"]["scale"], 1.5);
  EXPECT_EQ(cone["error_model"]["season"], 2023);
  EXPECT_EQ(cone["error_model"]["radii_nm"][0], 26);
}

// Two files: both storms judged, the least clearance of each course over both.
TEST(AdviseForecast, SeveralAdvisoriesJudgedTogether) {
  std::vector<std::string> arguments = advise_on("tcm-al132023-30.txt", {});
  arguments.insert(arguments.end(), {"--advisory", advisory_path("tcm-ep072024-27.txt")});
  const json forecast = forecast_of(arguments);
  ASSERT_EQ(forecast["storms"].size(), 2u);
  EXPECT_EQ(forecast["storms"][0]["storm_id"], "AL132023");
  EXPECT_EQ(forecast["storms"][1]["storm_id"], "EP072024");
}

TEST(AdviseForecast, UnusableOptions) {
  EXPECT_EQ(run_program(advise_on("tcm-al132023-30.txt", {"--error", "cone:0"})).status, 1);
  EXPECT_EQ(run_program(advise_on("tcm-al132023-30.txt", {"--horizon", "200"})).status, 1);
  EXPECT_EQ(run_program(advise_on("tcm-al132023-30.txt", {"--course", "-5"})).status, 1);
  const ProgramRun alone =
      run_program({"advise", "--distance", "100", "--bearing", "90", "--track", "0", "--speed",
                   "10", "--keep", "50", "--ship-speed", "12", "--course", "90"});
  EXPECT_EQ(alone.status, 2);
  EXPECT_NE(alone.err.find("--course needs --advisory"), std::string::npos) << alone.err;
}

}  // namespace
}  // namespace hurricane::cli_test
