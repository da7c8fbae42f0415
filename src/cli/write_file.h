// Whole files written for the front-ends, with failures as error messages.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace hurricane::cli {

// write_file: writes `content` to `path`, replacing the file, and returns an error message
// naming the path and the reason when it cannot. The content goes to a temporary file
// beside it that is then renamed, so a failed write never leaves a broken file at `path`.
std::optional<std::string> write_file(const std::filesystem::path& path, std::string_view content);

// prepare_directory: makes sure `dir` is a directory, creating it (and its parents) when
// missing; an error message naming it when it cannot be.
std::optional<std::string> prepare_directory(const std::filesystem::path& dir);

// round_file: the picture of round `round` (1, 2, ...) in `dir`: dir/round-001.svg, ...,
// dir/round-1000.svg.
std::filesystem::path round_file(const std::filesystem::path& dir, int round);

}  // namespace hurricane::cli
