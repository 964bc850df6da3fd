// The program's version record, as the About dialog shows it.
#pragma once

namespace kestalon::version {

inline constexpr int kMajor = 1;
inline constexpr int kMinor = 63;
inline constexpr int kRevision = 1624;
inline constexpr const char* kComment = "25-04-01";

}  // namespace kestalon::version
