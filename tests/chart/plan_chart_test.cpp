// The escape plan on the chart, read back from the document: every turn, tick and mark sits at
// the pixel of the plan's own position and says what the plan says; no two labels overlap and
// they keep off land, over the kept advisories north and south with ships all around.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "chart_cases.h"
#include "picture/svg_reading.h"

namespace hurricane::chart {
namespace {

using picture::testing::Attributes;
using picture::testing::elements_of_class;

// Ships around each kept storm, degrees north and east of its centre: ahead, astern, on either
// side, near the coasts of the Bahamas and New Caledonia for the Atlantic and the mirrored one.
constexpr double kOffsets[][2] = {{4.0, 4.0}, {0.8, -4.6}, {2.8, -3.6}, {-4.0, 2.0}};

struct Planned {
  std::string name;
  testing::Case c;
  plan::Plan plan;
};

std::vector<Planned> planned_cases() {
  std::vector<Planned> cases;
  for (const testing::Sample& sample : testing::kSamples) {
    for (const auto& offset : kOffsets) {
      testing::Case c = testing::sample_case(sample, offset[0], offset[1]);
      if (c.storms.empty()) continue;
      // Bound 8 degrees west: across the storm's path for most, towards a coast for some.
      const navigation::LatLon to{c.ship.lat, c.ship.lon - 8.0};
      plan::Plan plan = testing::plan_for(c, &testing::land(), to);
      cases.push_back({std::string(sample.file) + " ship " + std::to_string(offset[0]) + ',' +
                           std::to_string(offset[1]),
                       std::move(c), std::move(plan)});
    }
  }
  return cases;
}

const std::vector<Planned>& cases() {
  static const std::vector<Planned> all = planned_cases();
  return all;
}

void expect_at(const Attributes& element, Pixel expected, const std::string& what) {
  EXPECT_NEAR(std::stod(element.at("cx")), expected.x, 0.006) << what;
  EXPECT_NEAR(std::stod(element.at("cy")), expected.y, 0.006) << what;
}

// The numbers of a path's "M x y L x y ..." in pairs.
std::vector<Pixel> vertices(const std::string& d) {
  std::vector<Pixel> points;
  for (std::size_t at = d.find_first_of("ML"); at != std::string::npos;
       at = d.find_first_of("ML", at + 1)) {
    std::size_t used = 0;
    const double x = std::stod(d.substr(at + 1), &used);
    points.push_back({x, std::stod(d.substr(at + 1 + used))});
  }
  return points;
}

bool has_vertex(const std::vector<Pixel>& points, Pixel p) {
  for (const Pixel& q : points) {
    if (std::fabs(q.x - p.x) < 0.006 && std::fabs(q.y - p.y) < 0.006) return true;
  }
  return false;
}

// What a navigator reads at a turn, written out here from the plan's numbers.
std::string expected_turn(const plan::TrackTurn& turn) {
  const std::string when = navigation::format_day_time(turn.at);
  if (turn.kind == plan::TrackTurn::Kind::kArrived) return when + " arrived";
  if (turn.kind == plan::TrackTurn::Kind::kStopShort) return when + " stop short of the shore";
  if (turn.speed_kn <= 0.0) return when + " hove to";
  char text[64];
  const double speed = std::round(turn.speed_kn * 10.0) / 10.0;
  std::snprintf(text, sizeof text, speed == std::floor(speed) ? "%03d° %.0f kn" : "%03d° %.1f kn",
                turn.course_deg, speed);
  return when + ' ' + text;
}

TEST(PlanChart, TurnsTicksAndMarksWhereThePlanPutsThem) {
  int with_legs = 0, with_decide_by = 0, decide_by_off_track = 0, with_sea_room = 0;
  int storm_ticks = 0;
  for (const Planned& p : cases()) {
    const plan::Plan& plan = p.plan;
    ASSERT_FALSE(plan.track.empty()) << p.name;
    const Chart chart = draw_chart(p.c.input(&testing::shoreline(), &plan));
    const Projection& projection = chart.projection;
    const std::string& svg = chart.svg;
    std::vector<std::string> labels;
    for (const testing::DrawnLabel& label : testing::drawn_labels(svg)) {
      labels.push_back(label.text);
    }
    const auto labelled = [&](const std::string& text) {
      return std::count(labels.begin(), labels.end(), text) +
             std::count(labels.begin(), labels.end(), "resume " + text);
    };

    // The legend, however many rows the plan adds, above the caption, all within the document.
    double legend_bottom = 0.0;
    for (const Attributes& item : elements_of_class(svg, "legend-item")) {
      legend_bottom = std::max(legend_bottom, std::stod(item.at("y")));
    }
    const auto captions = elements_of_class(svg, "caption");
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_LT(legend_bottom + 12.0, std::stod(captions[0].at("y"))) << p.name;
    const std::size_t height_at = svg.find("height=\"") + 8;
    EXPECT_LE(std::stod(captions[1].at("y")) + 4.0, std::stod(svg.substr(height_at))) << p.name;

    // Every turn but the horizon's end, at its position, labelled with what is steered.
    const auto turns = elements_of_class(svg, "plan-turn");
    ASSERT_EQ(turns.size(), plan.track.size() - 1) << p.name;
    for (std::size_t i = 0; i < turns.size(); ++i) {
      const plan::TrackTurn& turn = plan.track[i];
      expect_at(turns[i], projection.at(turn.position), p.name + " turn");
      EXPECT_EQ(turns[i].at("data-time"), navigation::format_utc_time(turn.at)) << p.name;
      EXPECT_EQ(std::stoi(turns[i].at("data-course")), turn.course_deg) << p.name;
      EXPECT_EQ(labelled(expected_turn(turn)), 1) << p.name << ": " << expected_turn(turn);
    }
    with_legs += !plan.legs.empty();

    // The drawn track runs through every turn and every whole hour of the plan.
    std::vector<Pixel> line;
    for (const char* part : {"plan-voyage", "plan-legs", "plan-resume"}) {
      for (const Attributes& path : elements_of_class(svg, part)) {
        const std::vector<Pixel> v = vertices(path.at("d"));
        line.insert(line.end(), v.begin(), v.end());
      }
    }
    for (const plan::TrackTurn& turn : plan.track) {
      EXPECT_TRUE(has_vertex(line, projection.at(turn.position))) << p.name;
    }
    for (const navigation::LatLon& hour : plan.hourly) {
      EXPECT_TRUE(has_vertex(line, projection.at(hour))) << p.name;
    }
    // Legs solid, the voyage held or resumed dashed: one of each kind drawn as the plan has.
    EXPECT_EQ(elements_of_class(svg, "plan-legs").size(), plan.legs.empty() ? 0u : 1u) << p.name;
    EXPECT_EQ(elements_of_class(svg, "plan-resume").size() == 1,
              plan.legs.empty() ? false : plan.legs.back().end < plan.track.back().at)
        << p.name;

    // A tick every 12 h on the ship and on each storm forecast at that hour, labelled alike:
    // "+12h", or "+24h to +72h" where the ticks fall on one spot.
    const auto ticks = elements_of_class(svg, "plan-tick");
    const auto crosses = elements_of_class(svg, "storm-tick");
    std::map<std::size_t, long> tick_labels;  // how many labels name each hour
    for (const std::string& text : labels) {
      std::size_t first = 0, last = 0;
      int used = 0;
      if (std::sscanf(text.c_str(), "+%zuh to +%zuh%n", &first, &last, &used) == 2 &&
          used == static_cast<int>(text.size())) {
        for (std::size_t h = first; h <= last; h += 12) ++tick_labels[h];
      } else if (std::sscanf(text.c_str(), "+%zuh%n", &first, &used) == 1 &&
                 used == static_cast<int>(text.size())) {
        ++tick_labels[first];
      }
    }
    std::size_t tick = 0, cross = 0;
    for (std::size_t h = 12; h < plan.hourly.size(); h += 12) {
      ASSERT_LT(tick, ticks.size()) << p.name;
      EXPECT_EQ(ticks[tick].at("data-hour"), std::to_string(h));
      expect_at(ticks[tick++], projection.at(plan.hourly[h]), p.name + " tick");
      long alike = 1;
      for (const auto& storm : plan.storms_hourly) alike += h < storm.size() && storm[h];
      EXPECT_GE(tick_labels[h], 1) << p.name << " +" << h << 'h';
      EXPECT_LE(tick_labels[h], alike) << p.name << " +" << h << 'h';
    }
    for (const auto& storm : plan.storms_hourly) {
      for (std::size_t h = 12; h < storm.size(); h += 12) {
        if (!storm[h]) continue;
        ASSERT_LT(cross, crosses.size()) << p.name;
        EXPECT_EQ(crosses[cross].at("data-hour"), std::to_string(h));
        const std::vector<Pixel> arms = vertices(crosses[cross++].at("d"));
        const Pixel centre = projection.at(*storm[h]);
        EXPECT_NEAR((arms[0].x + arms[1].x) / 2, centre.x, 0.006) << p.name;
        EXPECT_NEAR((arms[0].y + arms[1].y) / 2, centre.y, 0.006) << p.name;
        ++storm_ticks;
      }
    }
    EXPECT_EQ(tick, ticks.size()) << p.name;
    EXPECT_EQ(cross, crosses.size()) << p.name;

    // The least clearance and sea room where the plan found them.
    const auto least = elements_of_class(svg, "plan-least-clearance");
    ASSERT_EQ(least.size(), plan.judged ? 1u : 0u) << p.name;
    if (plan.judged) {
      const std::vector<Pixel> d = vertices(least[0].at("d"));
      const Pixel at = projection.at(plan.least_clearance_place);
      EXPECT_NEAR(d[0].x, at.x, 0.006) << p.name;  // the top corner
      EXPECT_NEAR((d[0].y + d[2].y) / 2, at.y, 0.006) << p.name;
    }
    const auto room = elements_of_class(svg, "plan-sea-room");
    ASSERT_EQ(room.size(), plan.least_sea_room_nm ? 1u : 0u) << p.name;
    if (plan.least_sea_room_nm) {
      ++with_sea_room;
      const Pixel at = projection.at(plan.sea_room_place);
      EXPECT_NEAR(std::stod(room[0].at("x")) + 5.0, at.x, 0.006) << p.name;
      EXPECT_NEAR(std::stod(room[0].at("y")) + 5.0, at.y, 0.006) << p.name;
    }

    // The hour to decide by, on the track at that hour while the plan still holds the voyage;
    // later, the voyage held on is not the plan's track: the legend gives the time alone.
    const auto decide = elements_of_class(svg, "plan-decide-by");
    if (plan.decide_by.kind == plan::DecideBy::Kind::kAt) {
      const double h = navigation::hours_between(p.c.advice.at, plan.decide_by.at);
      const std::string when = navigation::format_day_time(plan.decide_by.at);
      if (plan.legs.empty() || plan.decide_by.at <= plan.legs.front().start) {
        ++with_decide_by;
        ASSERT_EQ(decide.size(), 1u) << p.name;
        const Pixel at = projection.at(plan.hourly.at(static_cast<std::size_t>(std::lround(h))));
        EXPECT_NEAR(vertices(decide[0].at("d"))[0].x, at.x, 0.006) << p.name;  // the tip
        EXPECT_NEAR(vertices(decide[0].at("d"))[0].y, at.y, 0.006) << p.name;
        EXPECT_EQ(labelled("decide by " + when), 1) << p.name;
      } else {
        ++decide_by_off_track;
        EXPECT_TRUE(decide.empty()) << p.name;
        EXPECT_NE(svg.find(">decide by " + when + ": after that no plan keeps clear<"),
                  std::string::npos)
            << p.name;
      }
    }
  }
  // The cases reach what they are meant to check.
  EXPECT_GE(with_legs, 5);
  EXPECT_GE(storm_ticks, 20);
  EXPECT_GE(with_decide_by + decide_by_off_track + with_sea_room, 1);
}

// A plan that holds the voyage past the hour to decide by: the mark on its track at that hour.
TEST(PlanChart, DecideByOnTheVoyageHeld) {
  const testing::Case c = testing::sample_case(testing::kSamples[0], 6.0, -6.0);
  plan::Plan plan;
  plan.judged = true;
  const forecast::Time at = c.advice.at;
  for (int h = 0; h <= 72; ++h) plan.hourly.push_back({c.ship.lat - 0.1 * h, c.ship.lon});
  using Kind = plan::TrackTurn::Kind;
  plan.track = {{Kind::kStart, at, plan.hourly[0], 180, 10.0},
                {Kind::kAlter, forecast::add_hours(at, 6), plan.hourly[6], 180, 10.0},
                {Kind::kEnd, forecast::add_hours(at, 72), plan.hourly[72], 0, 0.0}};
  plan.legs = {{180, 10.0, forecast::add_hours(at, 6), forecast::add_hours(at, 72), plan.hourly[6],
                plan.hourly[72]}};
  plan.decide_by = {plan::DecideBy::Kind::kAt, forecast::add_hours(at, 4)};
  plan.least_clearance_place = plan.hourly[72];
  const Chart chart = draw_chart(c.input(nullptr, &plan));
  const auto decide = elements_of_class(chart.svg, "plan-decide-by");
  ASSERT_EQ(decide.size(), 1u);
  const Pixel tip = vertices(decide[0].at("d"))[0];
  EXPECT_NEAR(tip.x, chart.projection.at(plan.hourly[4]).x, 0.006);
  EXPECT_NEAR(tip.y, chart.projection.at(plan.hourly[4]).y, 0.006);
}

TEST(PlanChart, NoPlanNoPlanMarks) {
  const testing::Case c = testing::sample_case(testing::kSamples[0]);
  const std::string svg = forecast_chart(c.input(&testing::shoreline()));
  EXPECT_EQ(svg.find("class=\"plan"), std::string::npos);
  EXPECT_EQ(svg.find("storm-tick"), std::string::npos);
}

bool graticule_label(const std::string& text) {
  for (const char* end : {"°N", "°S", "°E", "°W"}) {
    if (text.ends_with(end)) return true;
  }
  return text == "0°" || text == "180°";
}

// Whether land lies under `box`: any of a grid of its points, 3 px apart, inside the rings
// (even-odd).
bool on_land_px(const Box& box, const std::vector<std::vector<Pixel>>& rings) {
  std::vector<const std::vector<Pixel>*> near;
  for (const std::vector<Pixel>& ring : rings) {
    const auto [left, right] = std::minmax_element(
        ring.begin(), ring.end(), [](const Pixel& a, const Pixel& b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(
        ring.begin(), ring.end(), [](const Pixel& a, const Pixel& b) { return a.y < b.y; });
    if (overlaps(box, {left->x, top->y, right->x - left->x, bottom->y - top->y})) {
      near.push_back(&ring);
    }
  }
  for (double y = box.y + 1.0; y < box.y + box.height - 0.5; y += 3.0) {
    for (double x = box.x + 1.0; x < box.x + box.width - 0.5; x += 3.0) {
      bool in = false;
      for (const std::vector<Pixel>* ring : near) in ^= testing::inside({x, y}, *ring);
      if (in) return true;
    }
  }
  return false;
}

// Labels never overlap; few lie over land (where no spot at sea near their point was free: one
// in forty here, one in thirteen when labels took the first free spot wherever it was).
TEST(PlanChart, LabelsApartAndOffLand) {
  int total_on_land = 0, total = 0;
  for (const Planned& p : cases()) {
    {
      const Chart chart = draw_chart(p.c.input(&testing::shoreline(), &p.plan));
      const std::vector<testing::DrawnLabel> labels = testing::drawn_labels(chart.svg);
      ASSERT_GT(labels.size(), 5u) << p.name;
      int on_land = 0;
      for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
          EXPECT_FALSE(overlaps(labels[i].box, labels[j].box))
              << p.name << ": \"" << labels[i].text << "\" and \"" << labels[j].text << '"';
        }
        // The graticule's labels sit at the plot's edge whatever lies there.
        if (graticule_label(labels[i].text)) continue;
        const bool over_land = on_land_px(labels[i].box, chart.land);
        on_land += over_land;
      }
      total_on_land += on_land;
      total += static_cast<int>(labels.size());
    }
  }
  EXPECT_LE(total_on_land * 100, total * 3) << total_on_land << " of " << total;
}

}  // namespace
}  // namespace hurricane::chart
