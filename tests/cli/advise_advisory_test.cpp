// `advise --advisory` through the real executable: the storm's centre, time and motion from
// each sample form, the distance to keep from its 34-kt radii, and the block that shows it.
// Expected values are read off the sample texts.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/advisory_runs.h"
#include "cli/schema_check.h"
#include "cli/wrapped.h"

namespace hurricane::cli_test {
namespace {

const json& schema() {
  return schema_file("advice.schema.json");
}

json answer_json(std::vector<std::string> arguments, const std::string* input = nullptr) {
  arguments.insert(arguments.end(), {"--format", "json"});
  const ProgramRun run = run_program(arguments, input);
  EXPECT_EQ(run.status, 0) << run.err;
  const json answer = json::parse(run.out);
  for (const std::string& problem : schema_problems(answer, schema())) ADD_FAILURE() << problem;
  return answer;
}

TEST(AdviseAdvisory, LeeThirtyGivesCentreMotionAndKeep) {
  const ProgramRun run = run_program(advise_on("tcm-al132023-30.txt", {}));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  // The first line names the file and is wrapped as any line: the checkout's path decides where.
  std::string named;
  for (const std::string& piece :
       cli::wrapped(" From the advisory in " + advisory_path("tcm-al132023-30.txt") + ":")) {
    named += piece + "\n";
  }
  EXPECT_EQ(
      block_from(run.out, " From the advisory"),
      named +
          "   storm        HURRICANE LEE, AL132023\n"
          "   advisory     number 30, issued 2023-09-12T21:00:00Z\n"
          "   centre       24\u00b042.0'N 066\u00b024.0'W at 2023-09-12T21:00:00Z, within 20 nm\n"
          "   movement     315 deg at 6 kn\n"
          "   fix age      0.0 h: no --at, the centre at its fix time\n"
          "   next due     advisory at 13/0300Z\n"
          "   keep         210 nm 34-kt radius (NE) + 20 nm position accuracy = 230 nm\n");
  // Then the block of `advise` with positions, the track and speed from the advisory.
  EXPECT_NE(
      run.out.find("   HUR centre   24\u00b042.0'N 066\u00b024.0'W at 2023-09-12T21:00:00Z\n"),
      std::string::npos);
  EXPECT_NE(run.out.find("   track          315.0 deg  from the advisory\n"
                         "   speed            6.0 kn   from the advisory\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find(" Radius of HUR to be avoided [nm]= 230."), std::string::npos);

  const json answer = answer_json(advise_on("tcm-al132023-30.txt", {}));
  EXPECT_EQ(answer["situation"]["keep_nm"], 230.0);
  EXPECT_EQ(answer["situation"]["track_deg"], 315.0);
  EXPECT_EQ(answer["situation"]["speed_kn"], 6.0);
  EXPECT_EQ(answer["derived"]["storm"], json::parse(R"({"lat":24.7,"lon":-66.4})"));
  EXPECT_EQ(answer["derived"]["time"], "2023-09-12T21:00:00Z");
  const json& advisory = answer["advisory"];
  EXPECT_EQ(advisory["storm_id"], "AL132023");
  EXPECT_EQ(advisory["name"], "LEE");
  EXPECT_EQ(advisory["kind"], "HURRICANE");
  EXPECT_EQ(advisory["number"], 30);
  EXPECT_EQ(advisory["issued"], "2023-09-12T21:00:00Z");
  EXPECT_EQ(advisory["centre"],
            json::parse(R"({"lat":24.7,"lon":-66.4,"time":"2023-09-12T21:00:00Z"})"));
  EXPECT_EQ(advisory["accuracy_nm"], 20);
  EXPECT_EQ(advisory["movement"], json::parse(R"({"track_deg":315.0,"speed_kn":6.0})"));
  EXPECT_EQ(advisory["max_wind_kt"], 100);
  EXPECT_EQ(advisory["radii_nm"]["34"], json::parse(R"({"ne":210,"se":200,"sw":150,"nw":170})"));
  EXPECT_EQ(advisory["radii_nm"]["64"], json::parse(R"({"ne":110,"se":100,"sw":60,"nw":70})"));
  ASSERT_EQ(advisory["forecast"].size(), 8u);  // six forecast and two outlook points
  EXPECT_EQ(advisory["forecast"][0],
            json::parse(R"({"time":"2023-09-13T06:00:00Z","outlook":false,"lat":25.4,)"
                        R"("lon":-67.0,"max_wind_kt":100,"gusts_kt":120,"stage":null,)"
                        R"("radii_nm":{"34":{"ne":220,"se":210,"sw":150,"nw":170},)"
                        R"("50":{"ne":150,"se":120,"sw":90,"nw":120},)"
                        R"("64":{"ne":100,"se":90,"sw":60,"nw":75}}})"));
  EXPECT_EQ(advisory["forecast"][7]["time"], "2023-09-17T18:00:00Z");
  EXPECT_EQ(advisory["keep_source"], "210 nm 34-kt radius (NE) + 20 nm position accuracy = 230 nm");
}

// The advisory's own date-time group and a position as written at sea give the same answer as
// the ISO time and decimal degrees: the group is read in the advisory's month and year.
TEST(AdviseAdvisory, DateTimeGroupsAndSeaPositionsAsTheAdvisoryWritesThem) {
  const ProgramRun iso =
      run_program(advise_on("tcm-al132023-30.txt", {"--at", "2023-09-13T00:00Z"}));
  for (const char* at : {"13/0000Z", "130000Z"}) {
    const ProgramRun group = run_program(advise_on("tcm-al132023-30.txt", {"--at", at}));
    EXPECT_EQ(group.status, 0) << group.err;
    EXPECT_EQ(group.out, iso.out) << at;
  }
  const ProgramRun written = run_program(
      advise_on("tcm-al132023-30.txt", {"--at", "13/0000Z"}, "27\u00b000.0'N 070\u00b000.0'W"));
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, iso.out);
}

// A position that cannot be read is shown as typed, its degree sign kept, with the forms accepted.
TEST(AdviseAdvisory, UnreadablePositionShownAsTyped) {
  const ProgramRun run =
      run_program(advise_on("tcm-al132023-30.txt", {}, "27\u00b060.0'N 070\u00b000.0'W"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.err,
      "hurricane-escape: --ship \"27\u00b060.0'N 070\u00b000.0'W\": minutes of the latitude must "
      "be below 60\n");
}

// The classic advice with a forecast at hand: where the forecast reaches --at, the centre and its
// motion come from the forecast track, not a straight line along the present motion.
TEST(AdviseAdvisory, AtTakesTheCentreFromTheForecastTrack) {
  const ProgramRun run =
      run_program(advise_on("tcm-al132023-30.txt", {"--at", "2023-09-13T00:00Z"}));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("   fix age      3.0 h at --at 2023-09-13T00:00:00Z\n"), std::string::npos)
      << run.out;
  EXPECT_NE(
      run.out.find("moved 3.0 h along the forecast track from 24\u00b042.0'N 066\u00b024.0'W"),
      std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("placed       on the forecast track"), std::string::npos) << run.out;
  // Each time on a leg of the track lies that share of the way between its points, moving along
  // the leg (the straight line at 315 deg, 6 kn, would be elsewhere by tens of miles after 39 h).
  struct OnLeg {
    const char* at;
    double lat, lon, track;
  };
  for (const OnLeg& leg : {OnLeg{"2023-09-13T00:00Z", 24.7 + 0.7 / 3, -66.4 - 0.6 / 3, 322},
                           OnLeg{"2023-09-14T12:00Z", 29.65, -68.15, 358}}) {
    const json answer = answer_json(advise_on("tcm-al132023-30.txt", {"--at", leg.at}));
    EXPECT_NEAR(answer["derived"]["storm"]["lat"].get<double>(), leg.lat, 0.02) << leg.at;
    EXPECT_NEAR(answer["derived"]["storm"]["lon"].get<double>(), leg.lon, 0.02) << leg.at;
    EXPECT_NEAR(answer["situation"]["track_deg"].get<double>(), leg.track, 1.0) << leg.at;
    EXPECT_EQ(answer["advisory"]["centre_at_advice"], "forecast_track") << leg.at;
  }
  // Beyond the forecast's end (a depression's single point, 9 h on) the straight line is kept,
  // and the text says so, not only standard error.
  const std::string depression = kDepression;
  const ProgramRun beyond =
      run_program({"advise", "--advisory", "-", "--ship", "16N,47W", "--ship-speed", "12", "--keep",
                   "100", "--at", "01/0900Z", "--no-land"},
                  &depression);
  EXPECT_EQ(beyond.status, 0) << beyond.err;
  EXPECT_NE(beyond.out.find("WARNING: beyond the forecast, which ends 01/0600Z: moved in a"),
            std::string::npos)
      << beyond.out;
  EXPECT_NE(beyond.out.find("moved 12.0 h along its track"), std::string::npos) << beyond.out;
  EXPECT_NE(beyond.err.find("the forecast ends at 2023-10-01T06:00:00Z"), std::string::npos);
}

TEST(AdviseAdvisory, MarginAndKeepOverride) {
  const ProgramRun margin = run_program(advise_on("tcm-al132023-30.txt", {"--margin", "30"}));
  EXPECT_EQ(margin.status, 0) << margin.err;
  // Too long for one line: broken before a sign.
  EXPECT_NE(margin.out.find("   keep         210 nm 34-kt radius (NE) + 20 nm position accuracy\n"
                            "                + 30 nm margin = 260 nm\n"),
            std::string::npos)
      << margin.out;
  EXPECT_NE(margin.out.find(" Radius of HUR to be avoided [nm]= 260."), std::string::npos);
  const json widened = answer_json(advise_on("tcm-al132023-30.txt", {"--margin", "12.5"}));
  EXPECT_EQ(widened["situation"]["keep_nm"], 242.5);
  EXPECT_EQ(widened["advisory"]["keep_source"],
            "210 nm 34-kt radius (NE) + 20 nm position accuracy + 12.5 nm margin = 242.5 nm");

  const ProgramRun keep = run_program(advise_on("tcm-al132023-30.txt", {"--keep", "150"}));
  EXPECT_NE(keep.out.find("   keep         150 nm given\n"), std::string::npos) << keep.out;
  EXPECT_NE(keep.out.find(" Radius of HUR to be avoided [nm]= 150."), std::string::npos);
  // A given keep still answers what the advisory would have kept, so a front-end can set the
  // two side by side.
  const json given = answer_json(advise_on("tcm-al132023-30.txt", {"--keep", "150"}));
  EXPECT_EQ(given["situation"]["keep_nm"], 150.0);
  EXPECT_EQ(given["advisory"]["keep_source"], "150 nm given");
  EXPECT_EQ(given["advisory"]["advisory_keep"],
            json::parse(R"({"nm":230.0,"source":)"
                        R"("210 nm 34-kt radius (NE) + 20 nm position accuracy = 230 nm"})"));
}

// Gilma: a special advisory; a tie of 100 nm NE and NW takes NE.
TEST(AdviseAdvisory, SpecialAdvisoryOfTheEasternPacific) {
  const ProgramRun run = run_program(advise_on("tcm-ep072024-27.txt", {}, "15N,135W"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(
      run.out.find(
          "   storm        HURRICANE GILMA, EP072024\n"
          "   advisory     number 27 (SPECIAL), issued 2024-08-25T00:00:00Z\n"
          "   centre       17\u00b042.0'N 131\u00b024.0'W at 2024-08-25T00:00:00Z, within 20 nm\n"
          "   movement     280 deg at 8 kn\n"),
      std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("   keep         100 nm 34-kt radius (NE) + 20 nm position accuracy = "
                         "120 nm\n"),
            std::string::npos);
  // ...CORRECTED after the number is shown too.
  const std::string corrected =
      with(advisory_text("tcm-al132023-30.txt"), "NUMBER  30", "NUMBER  30...CORRECTED");
  const ProgramRun fixed = run_program(
      {"advise", "--advisory", "-", "--ship", "27N,70W", "--ship-speed", "12"}, &corrected);
  EXPECT_NE(fixed.out.find("   advisory     number 30 (CORRECTED), issued"), std::string::npos);
}

// Hone: past the 180th meridian, the ship on the other side of it.
TEST(AdviseAdvisory, PostTropicalCyclonePastTheDateline) {
  const json answer = answer_json(advise_on("tcm-cp012024-42.txt", {}, "25N,178W"));
  EXPECT_EQ(answer["advisory"]["centre"]["lon"], 179.3);
  EXPECT_EQ(answer["advisory"]["kind"], "POST-TROPICAL CYCLONE");
  EXPECT_EQ(answer["advisory"]["radii_nm"]["50"], nullptr);
  EXPECT_EQ(answer["situation"]["keep_nm"], 260.0);  // 200 NE + 60
  EXPECT_EQ(answer["situation"]["track_deg"], 285.0);
  // 2.7 degrees of longitude the short way at about 25.6N (146 nm west), not 357.3, and 1.3
  // degrees north (78 nm): some 165.5 nm toward 298.
  EXPECT_NEAR(answer["situation"]["distance_nm"].get<double>(), 165.5, 2.0);
  EXPECT_NEAR(answer["situation"]["bearing_deg"].get<double>(), 298.0, 1.0);
}

TEST(AdviseAdvisory, RssFeedNeedsTheStormId) {
  const json answer =
      answer_json(advise_on("rss-atlantic-al132023-30.xml", {"--storm-id", "al132023"}));
  EXPECT_EQ(answer["advisory"]["storm_id"], "AL132023");
  EXPECT_EQ(answer["situation"]["keep_nm"], 230.0);
  EXPECT_EQ(answer["advisory"]["centre"]["time"], "2023-09-12T21:00:00Z");
}

// The best track states no motion at its latest time: the two-fix rule from 12Z to 18Z.
TEST(AdviseAdvisory, BestTrackMotionFromThePreviousFix) {
  const ProgramRun run = run_program(advise_on("bal132023-at-adv30.dat", {}));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("   advisory     no number (ATCF records have none); analysis from BEST "
                         "at hour\n"
                         "                0, no OFCL forecast\n"
                         "   centre       24\u00b030.0'N 066\u00b012.0'W at 2023-09-12T18:00:00Z, "
                         "accuracy not\n                given\n"
                         "   movement     311.0 deg at 6.1 kn, from the fix 6.0 h before\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("   keep         210 nm 34-kt radius (NE) = 210 nm\n"), std::string::npos);
  EXPECT_NE(
      run.out.find("   fix 1        24\u00b006.0'N 065\u00b042.0'W at 2023-09-12T12:00:00Z\n"
                   "   fix 2        24\u00b030.0'N 066\u00b012.0'W at 2023-09-12T18:00:00Z\n"),
      std::string::npos);
  const json answer = answer_json(advise_on("bal132023-at-adv30.dat", {}));
  // 0.4 degrees north (24 nm) and 0.5 west at 24.3N (27.3 nm) in 6 h: 311 degrees, 6.1 kn.
  EXPECT_NEAR(answer["situation"]["track_deg"].get<double>(), 311.3, 0.5);
  EXPECT_NEAR(answer["situation"]["speed_kn"].get<double>(), 36.3 / 6, 0.05);
  EXPECT_EQ(answer["derived"]["motion_from"], "fixes");
  EXPECT_EQ(answer["advisory"]["number"], nullptr);
  EXPECT_EQ(answer["advisory"]["issued"], nullptr);
  EXPECT_EQ(answer["advisory"]["accuracy_nm"], nullptr);
}

TEST(AdviseAdvisory, StationaryAndDepressionFromStandardInput) {
  const std::string stationary =
      with(advisory_text("tcm-al132023-30.txt"),
           "PRESENT MOVEMENT TOWARD THE NORTHWEST OR 315 DEGREES AT   6 KT",
           "PRESENT MOVEMENT...STATIONARY");
  const std::vector<std::string> from_stdin = {"advise",  "--advisory",   "-", "--ship",
                                               "27N,70W", "--ship-speed", "12"};
  const ProgramRun still = run_program(from_stdin, &stationary);
  EXPECT_EQ(still.status, 0) << still.err;
  EXPECT_NE(still.out.find(" From the advisory in <stdin>:\n"), std::string::npos);
  EXPECT_NE(still.out.find("   movement     stationary: speed 0 kn, no track\n"),
            std::string::npos);
  EXPECT_NE(still.out.find("Advancement-speed of HUR [kt]=  0.0+- 0.0"), std::string::npos);
  const json at_rest = answer_json(from_stdin, &stationary);
  EXPECT_EQ(at_rest["advisory"]["movement"], nullptr);
  EXPECT_EQ(at_rest["situation"]["speed_kn"], 0.0);

  // A depression has no 34-kt winds: --keep is needed, and then it is used.
  const std::string depression = kDepression;
  std::vector<std::string> kept = from_stdin;
  kept.insert(kept.end(), {"--keep", "60"});
  const json answer = answer_json(kept, &depression);
  EXPECT_EQ(answer["advisory"]["kind"], "TROPICAL DEPRESSION");
  EXPECT_EQ(answer["advisory"]["radii_nm"]["34"], nullptr);
  EXPECT_EQ(answer["advisory"]["keep_source"], "60 nm given");
  EXPECT_EQ(answer["advisory"]["advisory_keep"], nullptr);
  EXPECT_EQ(answer["situation"]["keep_nm"], 60.0);
}

}  // namespace
}  // namespace hurricane::cli_test
