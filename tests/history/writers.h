#pragma once
// Several programs recording in one history at the same moment.

namespace zav::history::test {

// Starts `programs` writers at once, each recording `each` sample runs of
// its own serial number (`firstSerial`, the next, ...) in the history that
// ZAV_HISTORY names; true when every one recorded all of its runs.
bool RecordFromPrograms(int programs, int each, int firstSerial);

}  // namespace zav::history::test
