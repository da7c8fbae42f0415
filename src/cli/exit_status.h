// The exit statuses of the command line.
#pragma once

namespace hurricane::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kUnusableValue = 1;  // an input was read but cannot be used, or output failed
inline constexpr int kUsageError = 2;     // unknown option, missing value, inputs that conflict

}  // namespace hurricane::cli
