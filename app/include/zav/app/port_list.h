#pragma once
// The list of serial ports the port options window offers: registered ports
// with a marker for the maker's USB devices, the current port pre-selected.
#include <QString>
#include <QStringList>
#include <vector>

#include "zav/platform/ports.h"

namespace zav::app {

// The entries of the port list and the selected one (-1 = none).
struct PortList {
    QStringList entries;
    int selected = -1;
};

// Rebuilds `list` from the registered ports (value name, value data) in their
// order: the data as entry text, trimmed, plus " (LK7)", " (RX)" or
// " (Hopper)" for the maker's USB drivers; selects the entry of
// `currentPort`. When none matches, a current port above 0 is appended as
// "COM<n> (INACTIVE)" and selected; otherwise the first entry is selected if
// the list holds more than one. Never fails.
void FillPortList(PortList& list, int currentPort,
                  const std::vector<platform::PortEntry>& registeredPorts);

// The same over the ports the system currently knows.
void FillPortList(PortList& list, int currentPort);

// Port number of a list entry: the decimal number after a leading "COM"
// ("COM12 (RX)" gives 12); 0 for any other text or a number above 255.
int PortNumberFromText(const QString& text);

}  // namespace zav::app
