#pragma once

#include <string_view>

namespace corvanti {

// Reads a number the way record.ini has always been read: leading blanks are skipped, then an
// optional sign and the decimal digits up to the first other character are taken; text
// without such digits gives 0. Values beyond the range of int stop at its ends instead of
// wrapping, so a hostile "99999999999" can never turn into a small or negative count.
int LenientNumber(std::string_view text);

}  // namespace corvanti
