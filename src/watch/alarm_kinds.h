// The alarms' kinds by name, for what names one from outside: an acknowledgement from the page.
#pragma once

#include <optional>
#include <string_view>

#include "watch/alarm_book.h"

namespace hurricane::watch {

// kind_named: the kind whose kind_name() is `name`; none for a name no kind has.
std::optional<AlarmKind> kind_named(std::string_view name);

}  // namespace hurricane::watch
