#pragma once

namespace corvanti {

inline constexpr int kCtlExitSuccess = 0;
inline constexpr int kCtlExitFailure = 1;  // the verb could not do its work
inline constexpr int kCtlExitUsage = 2;    // the command line does not name a valid use

}  // namespace corvanti
