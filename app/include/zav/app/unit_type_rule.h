#pragma once
// The one identification rule the diagnostics, controls and initialise
// sessions add to the command layer's.
#include "zav/app/validator_data.h"

namespace zav::app {

// A unit that calls itself "TM5" but whose firmware text does not end in the
// same three characters runs TM3 firmware: its UnitType becomes "TM3", so it
// gets the TM3's RAM utility and polling rule. Nothing changes when the
// firmware text is empty (it could not be read): that is no evidence of a
// TM3. Returns true when UnitType was changed.
bool ApplyFirmwareUnitType(ValidatorData& data, const VersionData& version);

}  // namespace zav::app
