#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace molvix {

// Text to a 32-bit integer by the classic rules: leading blanks skipped, an
// optional sign, decimal digits or hexadecimal ones after "$", "x", "X",
// "0x" or "0X", and nothing after the number. Hexadecimal takes up to 32
// bits (so "$FFFFFFFF" is -1); a decimal outside the int32 range, an empty
// text or any stray character is not a number.
std::optional<int32_t> StrToInt(const QString &text);

} // namespace molvix
