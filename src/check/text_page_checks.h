#pragma once
// A page's text page, read with the player's own loader: what it shows instead of the text
// ("TEXTFEHLER"), lines it cuts or never reads, a header that is not six numbers, and text
// saved as UTF-8.
#include <cstdint>

#include "check/references.h"

namespace check {

void check_text_page(Checking& c, Place place, std::int32_t number);

}  // namespace check
