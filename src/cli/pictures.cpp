#include "cli/pictures.h"

#include "cli/write_file.h"
#include "picture/maneuvering_board.h"

namespace hurricane::cli {

std::optional<std::string> write_picture(const std::filesystem::path& file,
                                         const analysis::Advice& advice, bool night) {
  return cli::write_file(file, picture::maneuvering_board(advice, {.night = night}));
}

dialogue::RoundObserver round_pictures(const std::filesystem::path& dir, bool night) {
  return [dir, night, round = 0](const analysis::Advice& advice) mutable {
    return write_picture(cli::round_file(dir, ++round), advice, night);
  };
}

}  // namespace hurricane::cli
