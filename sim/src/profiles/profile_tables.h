#pragma once
// The profile of every simulated model, each defined beside its tables.
#include "zav/sim/profile.h"

namespace zav::sim {

extern const Profile kRx3Profile;
extern const Profile kRx5Profile;
extern const Profile kRx8Profile;
extern const Profile kTm3Profile;
extern const Profile kTm4Profile;
extern const Profile kTm5Profile;
extern const Profile kTm5Tm3Profile;
extern const Profile kTm6Profile;
extern const Profile kPq1Profile;

}  // namespace zav::sim
