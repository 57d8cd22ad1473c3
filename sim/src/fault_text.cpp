#include "zav/sim/fault_text.h"

#include "zav/sim/fault_syntax.h"
#include "zav/sim/profile.h"
#include "zav/sim/raw_fault_syntax.h"

namespace zav::sim {

bool FaultList::add(std::string_view text, std::string* why) {
    if (names_raw_fault(text)) {
        RawFault fault;
        if (!parse_raw_fault(text, &fault, why)) return false;
        raw_.push_back(fault);
        return true;
    }
    CommandKey key = kAnyCommand;
    Fault fault;
    if (!parse_fault(text, &key, &fault, why)) return false;
    link_.emplace_back(key, std::move(fault));
    return true;
}

bool FaultList::apply_to(Simulator& simulator, std::string* why) const {
    for (const auto& [key, fault] : link_) simulator.set_fault(key, fault);
    for (const RawFault& fault : raw_) {
        if (!simulator.add_raw_fault(fault)) {
            *why = "fault for sensor " + std::to_string(fault.sensor) + ": no such sensor";
            return false;
        }
    }
    return true;
}

bool Simulator::add_fault_text(std::string_view text, std::string* why) {
    FaultList list;
    return list.add(text, why) && list.apply_to(*this, why);
}

std::vector<std::string> profile_names() {
    std::vector<std::string> names;
    for (const Profile* profile : all_profiles()) names.emplace_back(profile->name);
    return names;
}

std::string model_names() {
    std::string names;
    for (const Profile* profile : all_profiles()) {
        if (!names.empty()) names += ' ';
        names += profile->name;
    }
    return names;
}

bool known_model(std::string_view model) {
    return find_profile(model) != nullptr;
}

}  // namespace zav::sim
