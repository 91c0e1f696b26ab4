// UTF-8 decoding for the core, which keeps its texts in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ilvorande {

// Code points of a UTF-8 text; each malformed byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace ilvorande
