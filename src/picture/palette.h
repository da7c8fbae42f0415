// The colours of the picture: a day palette safe for colour-blind readers (the Okabe-Ito
// colours) and a red-on-black night palette that keeps a bridge watch's dark adaptation.
// Colour is never the only cue: every element also has its own line style or label.
#pragma once

#include <string>

namespace hurricane::picture {

struct Palette {
  std::string background;
  std::string ink;           // text, ship, north arrow, course-away arrow
  std::string faint;         // range rings, minor ticks
  std::string admissible;    // open course ranges on the bearing ring (solid)
  std::string closed;        // closed courses on the bearing ring (under a hatch)
  std::string closed_hatch;  // the hatch lines over closed courses
  std::string storm;         // storm centre, track, distance to keep, danger cone
  std::string quarter;       // hatch of the dangerous quarter
  std::string escape;        // advice [A] escape arrows, ship speed circle
  std::string max_cpa;       // advice [B] arrow, relative motion line, CPA point
  std::string uncertainty;   // disk of the storm's velocity uncertainty U
  std::string plan;          // the escape plan: its arrow, track and positions
  std::string shore;         // the shoreline
};

// palette: the night palette when `night`, else the day palette.
const Palette& palette(bool night);

}  // namespace hurricane::picture
