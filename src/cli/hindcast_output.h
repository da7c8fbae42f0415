// The hindcast's result as text, JSON and CSV: formatting only, every figure decided by the
// hindcast area.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "hindcast/hindcast.h"

namespace hurricane::cli {

// What the run was, for the heading.
struct HindcastSetting {
  std::string storm_id;
  std::string storm_name;
  std::size_t advisories = 0;
  hindcast::HindcastOptions options;
};

std::string hindcast_text(const HindcastSetting& setting,
                          const std::vector<hindcast::IssuedAdvisory>& series,
                          const hindcast::HindcastResult& result);

nlohmann::ordered_json hindcast_json(const HindcastSetting& setting,
                                     const std::vector<hindcast::IssuedAdvisory>& series,
                                     const hindcast::HindcastResult& result);

// One row per encounter and policy, with a header row.
std::string hindcast_csv(const std::vector<hindcast::IssuedAdvisory>& series,
                         const hindcast::HindcastResult& result);

}  // namespace hurricane::cli
