#pragma once
// Faults written as text, as zavsim, zavdiag and the desktop program's
// training mode take them after --fault: a fault of the link protocol
// (KIND[=VALUE][:COMMAND[:TIMES]], fault_syntax.h) or of the RAM utility's
// raw channel (KIND[=VALUE], raw_fault_syntax.h). The one reader of that
// text for every caller.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zav/sim/simulator.h"

namespace zav::sim {

class FaultList {
  public:
    // Reads one fault and keeps it. False with the reason in *why for text
    // that names no fault or does not follow its syntax; the list is then
    // unchanged.
    bool add(std::string_view text, std::string* why);
    // Switches every fault of the list on in `simulator`. False with the
    // reason when the simulator refuses one (a raw fault for a sensor it
    // cannot have).
    bool apply_to(Simulator& simulator, std::string* why) const;
    bool empty() const { return link_.empty() && raw_.empty(); }

  private:
    std::vector<std::pair<CommandKey, Fault>> link_;
    std::vector<RawFault> raw_;
};

// The models the simulator knows: RX3 RX5 RX8 TM3 TM4 TM5 TM6, TM5-TM3 (a
// TM5 whose firmware text ends in TM3's characters) and PQ1 (not a
// validator).
std::vector<std::string> profile_names();
// The same separated by blanks, for usage texts and refusals.
std::string model_names();
// True when `model` is one of them (exact match).
bool known_model(std::string_view model);

}  // namespace zav::sim
