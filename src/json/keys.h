// The names JSON gives the inputs: the keys of the answer's "situation" and of the API's
// request body.
#pragma once

#include <string>

#include "error/error.h"

namespace hurricane::json {

// key_name: the key that gives `field` ("ship_speed_kn", "fixes", "margin_nm").
const char* key_name(Field field);

// key_words: key_name as the FieldWords of worded.
std::string key_words(Field field);

}  // namespace hurricane::json
