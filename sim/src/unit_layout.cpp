#include "unit_layout.h"

#include <string_view>

namespace zav::sim {
namespace {

struct NamedLayout {
    std::string_view unit_type;
    UnitLayout layout;
};

// clang-format off
const NamedLayout kLayouts[] = {
//   type   stack  strai  clear  b3     +rise  prise  home plate opto
    {"RX3", {false, false, false, true,  false, false, {},  {},  {}}},
    {"RX5", {true,  false, false, true,  true,  true,  {},  {},  {}}},
    {"RX8", {true,  false, false, false, true,  true,  {},  {},  {}}},
    {"TM3", {true,  false, false, false, false, true,  21,  23,  22}},
    {"TM4", {false, false, false, false, false, false, {},  {},  {}}},
    {"TM5", {true,  false, false, false, false, true,  21,  23,  22}},
    {"TM6", {true,  true,  true,  false, false, false, {},  {},  {}}},
};
// clang-format on

const UnitLayout kUnknownLayout{true, false, false, false, false, false, {}, {}, {}};

std::optional<std::size_t> first_of_type(const Profile& profile, std::string_view types) {
    for (std::size_t i = 0; i < profile.sensors.size(); ++i) {
        if (types.find(profile.sensors[i].type) != std::string_view::npos) return i;
    }
    return std::nullopt;
}

}  // namespace

const UnitLayout& unit_layout(const Profile& profile) {
    for (const NamedLayout& named : kLayouts) {
        if (named.unit_type == profile.unit_type) return named.layout;
    }
    return kUnknownLayout;
}

std::optional<std::size_t> stacker_sensor(const Profile& profile) {
    return first_of_type(profile, "Z(");
}

std::optional<std::size_t> straightener_sensor(const Profile& profile) {
    return first_of_type(profile, "R");
}

std::optional<std::size_t> paper_rise_sensor(const Profile& profile) {
    return first_of_type(profile, "P");
}

}  // namespace zav::sim
