// The text carried by an RSS feed's item descriptions.
#pragma once

#include <string_view>
#include <vector>

#include "advisory/text_lines.h"

namespace hurricane::advisory {

// The text of every <description> of the feed, in order, each as its own lines: CDATA sections
// taken as they are, XML character references decoded outside them; then as HTML, `<br>` and
// the line ends inside `<pre>` end lines, other tags are dropped and character references
// decoded. Each line keeps the feed line where its first non-blank character stands.
std::vector<std::vector<TextLine>> feed_descriptions(std::string_view feed);

}  // namespace hurricane::advisory
