#include <gtest/gtest.h>

#include <set>
#include <string>

#include "error/error.h"

namespace hurricane {
namespace {

// Every input has its own id, and a message naming it by "{id}" is worded for it: a Field
// added without its id, or left out of the wording, would reach a user as "{id}" or "?".
TEST(Field, EveryInputHasItsOwnIdAndIsWorded) {
  std::set<std::string> ids;
  for (int i = 0; i <= static_cast<int>(Field::kCommand); ++i) {  // kCommand: the last Field
    const auto field = static_cast<Field>(i);
    const std::string id = field_id(field);
    EXPECT_NE(id, "?") << i;
    EXPECT_TRUE(ids.insert(id).second) << id << " given twice";
    const FieldWords words = [](Field named) {
      return "<" + std::to_string(static_cast<int>(named)) + ">";
    };
    EXPECT_EQ(worded("at {" + id + "} here", words), "at " + words(field) + " here") << id;
  }
  EXPECT_EQ(worded("{not_an_input} stays", [](Field) { return std::string("x"); }),
            "{not_an_input} stays");
}

}  // namespace
}  // namespace hurricane
