// The page's files, built into the program (src/server/page/, embedded at build time), so the
// page works with no file system and no internet.
#pragma once

#include <span>
#include <string_view>

namespace hurricane::server {

struct PageAsset {
  std::string_view path;          // as requested: "/", "/app.js", ...
  std::string_view content_type;  // with its charset
  std::string_view bytes;
};

// page_assets: every embedded file, each at its path.
std::span<const PageAsset> page_assets();

}  // namespace hurricane::server
