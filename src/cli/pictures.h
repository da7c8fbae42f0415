// Pictures of the advice written to files: one for `advise --svg`, one per round for the
// dialogue's --svg-dir.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "analysis/advice.h"
#include "dialogue/driver.h"

namespace hurricane::cli {

// write_picture: the maneuvering board of `advice` written to `file`; an error message
// naming the file when it cannot be written.
std::optional<std::string> write_picture(const std::filesystem::path& file,
                                         const analysis::Advice& advice, bool night);

// round_pictures: an observer for the dialogue that writes round N's picture to
// dir/round-NNN.svg, numbering from 1.
dialogue::RoundObserver round_pictures(const std::filesystem::path& dir, bool night);

}  // namespace hurricane::cli
