// A situation from an advisory's text and the ship's inputs: the storm's centre, time and
// motion come from the advisory, the distance to keep from its 34-kt radii unless given.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "advisory/storm.h"
#include "answer/centre_at_advice.h"
#include "answer/keep_distance.h"
#include "answer/storm_state.h"
#include "situation/situation.h"

namespace hurricane::answer {

// The storm read from an advisory, with what a situation takes from it.
struct AdvisedStorm {
  advisory::Storm storm;
  StormMotion motion;
  std::optional<KeepDistance> keep;  // from the 34-kt radii; nothing for a depression
};

// read_advised_storm: `text` read as any form advisory::read_advisory reads (`storm_id`
// chooses among several storms), its motion formed and its distance to keep with
// `margin_nm` (not checked here: finite and not negative). A fault of the text is
// Field::kAdvisory with the line at fault.
Result<AdvisedStorm> read_advised_storm(std::string_view text, const std::string& storm_id,
                                        std::optional<double> margin_nm);

struct AdvisoryInput {
  std::string_view text;         // the advisory's bytes
  std::string storm_id;          // which storm of a feed or track file; empty: the only one
  std::optional<double> margin;  // nm added to the distance formed from the 34-kt radii
};

struct AdvisedSituation {
  situation::Situation situation;
  AdvisedStorm advised;
  std::string keep_source;           // how the distance to keep was formed (or that it was given)
  double fix_age_hours = 0;          // from the advisory's fix to --at; 0 without --at
  CentreAtAdvice centre;             // how the centre was brought to the advice time
  std::optional<std::string> stale;  // the STALE warning, also first among the situation's
  // Why the classic advice cannot be given, when it cannot: a storm without 34-kt winds and no
  // keep given (a missing keep). The situation then holds a keep of 0, not to be advised on.
  std::optional<Error> classic_needs;
};

// situation_from_advisory: the storm of `advisory` with the ship's inputs of `request`: ship
// and ship-speed (needed), at, keep and hemisphere. The storm's own inputs (distance,
// bearing, storm, track, speed, storm-fix) conflict with an advisory, as does a margin with
// keep; without keep, a storm without 34-kt winds still forms the situation (for advice along
// the forecast) with `classic_needs` saying the classic advice needs {keep}. An advice time
// (`at`, else the analysis time) too early or too old for the advisory is refused
// (advice_time.h); after the analysis the centre follows the forecast track where it reaches.
Result<AdvisedSituation> situation_from_advisory(const AdvisoryInput& advisory,
                                                 const situation::Request& request);

}  // namespace hurricane::answer
