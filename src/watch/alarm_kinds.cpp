#include "watch/alarm_kinds.h"

#include <array>

namespace hurricane::watch {

std::optional<AlarmKind> kind_named(std::string_view name) {
  static constexpr std::array kKinds = {AlarmKind::kCourseMeetsDanger, AlarmKind::kDecideSoon,
                                        AlarmKind::kNoPlanClear,       AlarmKind::kAdvisoryStale,
                                        AlarmKind::kAdvisoryOverdue,   AlarmKind::kUnreadableFile,
                                        AlarmKind::kPositionLost,      AlarmKind::kSeaRoomReduced};
  for (const AlarmKind kind : kKinds) {
    if (kind_name(kind) == name) return kind;
  }
  return std::nullopt;
}

}  // namespace hurricane::watch
