#pragma once

namespace tallowmere::links {

// The outside pages of the Tools menu.
inline constexpr const char* trackMaster = "https://www.trackmaster.com/";
inline constexpr const char* drfChangesAndScratches = "https://www.drf.com/";
inline constexpr const char* resultsByState = "https://www.equibase.com/";
inline constexpr const char* revisions = "https://www.tallowmere.example/revisions";

} // namespace tallowmere::links
