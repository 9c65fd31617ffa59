#pragma once

namespace tallowmere::maker {

// Who made the program, as the files it writes name them.
inline constexpr const char* makerLine = "Tallowmere Software";
inline constexpr const char* ownershipLine = "Copyright (c) Tallowmere Software";
inline constexpr const char* webLine = "www.tallowmere.example";
inline constexpr const char* emailLine = "support@tallowmere.example";

} // namespace tallowmere::maker
