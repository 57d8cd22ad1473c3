#include <array>

#include "profile_tables.h"

namespace zav::sim {
namespace {

const std::array<const Profile*, 9> kProfiles = {&kRx3Profile, &kRx5Profile,    &kRx8Profile,
                                                 &kTm3Profile, &kTm4Profile,    &kTm5Profile,
                                                 &kTm6Profile, &kTm5Tm3Profile, &kPq1Profile};

}  // namespace

std::span<const Profile* const> all_profiles() {
    return kProfiles;
}

const Profile* find_profile(std::string_view name) {
    for (const Profile* profile : kProfiles) {
        if (name == profile->name) return profile;
    }
    return nullptr;
}

}  // namespace zav::sim
