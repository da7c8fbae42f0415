// The files `advise` exports for other software on the bridge: the escape plan as a route
// (--gpx, --rtz) and the forecast's areas with the plan as GeoJSON (--geojson).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "answer/answer.h"

namespace hurricane::cli {

struct ExportFile {
  std::string path;
  std::string text;
};

// Every file asked for, formed before any is written: a message naming the option instead when
// one of them has nothing to hold (no plan, no forecast judged), so nothing is written then.
struct Exports {
  std::vector<ExportFile> files;
  std::optional<std::string> failed;
};

Exports export_files(const answer::Answer& answer, const std::string& gpx, const std::string& rtz,
                     const std::string& geojson);

}  // namespace hurricane::cli
