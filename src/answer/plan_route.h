// The escape plan as a route the bridge loads into its chart plotter or ECDIS: a waypoint at
// every turn of the plan's track and at its end, each timed and named for what is done there.
#pragma once

#include "plan/plan.h"
#include "route/route.h"

namespace hurricane::answer {

// The route of `plan`'s track, one waypoint per turn and one at its end, in order:
//   "START"     the ship at the advice time
//   "ALTER n"   a leg under way begins after the start: the nth alteration
//   "HEAVE TO"  a leg stopped begins
//   "RESUME"    the voyage is taken up again
//   "WPT n"     waypoint n of the route is reached and the next steered for
//   "ARRIVED"   the destination is reached and the ship stays
//   "TURN n"    any other change of course (the nth waypoint of the track)
//   "END 72H"   the horizon's end, in whole hours from the start
// No waypoints when the plan has no track (no storm was judged).
route::Route plan_route(const plan::Plan& plan);

}  // namespace hurricane::answer
