#pragma once
// UTF-8 checks: field sizes count characters, and table files hold only well-formed text.
#include <cstddef>
#include <optional>
#include <string_view>

namespace data {

// The number of characters (code points) of well-formed UTF-8; nullopt for malformed text
// (bad sequences, overlong forms, surrogates, values above U+10FFFF).
std::optional<size_t> Utf8Length(std::string_view text);

}  // namespace data
