#include "zav/app/port_list.h"

#include <QStringView>
#include <climits>

#include "zav/app/current_port.h"

namespace zav::app {
namespace {

// Registry-style limits: value names of up to 255 characters, data of up to
// 255 bytes. Longer entries are not port names and are left out.
constexpr std::size_t kMaxValueNameLength = 255;
constexpr std::size_t kMaxValueDataLength = 255;

struct Marker {
    const char* valueNamePrefix;
    const char* suffix;
};

// The maker's USB devices, known by the kernel driver behind the port.
constexpr Marker kMarkers[] = {
    {"\\Device\\VCP", " (LK7)"},    // LK7 interface adaptor (FTDI)
    {"\\Device\\USBSER", " (RX)"},  // validator connected directly by USB
    {"\\Device\\slabser", " (Hopper)"},
};

// The decimal number at the start of `text` (digits up to the first other
// character), 0 when there is none, capped at INT_MAX.
int LeadingNumber(QStringView text) {
    long long value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') break;
        value = value * 10 + (c.unicode() - u'0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

QString RemoveBlanksAtEnds(QString text) {
    qsizetype first = 0;
    while (first < text.size() && text[first] == u' ') ++first;
    qsizetype last = text.size();
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

QString EntryText(const platform::PortEntry& port) {
    QString text = RemoveBlanksAtEnds(
        QString::fromLatin1(port.second.data(), static_cast<qsizetype>(port.second.size())));
    if (text.endsWith(QChar(0))) text.chop(1);
    for (const Marker& marker : kMarkers) {
        if (port.first.starts_with(marker.valueNamePrefix)) {
            text += QLatin1String(marker.suffix);
            break;
        }
    }
    return text;
}

}  // namespace

void FillPortList(PortList& list, int currentPort,
                  const std::vector<platform::PortEntry>& registeredPorts) {
    list.entries.clear();
    list.selected = -1;
    for (const platform::PortEntry& port : registeredPorts) {
        if (port.first.empty()) break;  // end of the enumeration
        if (port.first.size() > kMaxValueNameLength || port.second.size() > kMaxValueDataLength) {
            continue;
        }
        list.entries.append(EntryText(port));
        if (LeadingNumber(QStringView(list.entries.back()).mid(3)) == currentPort) {
            list.selected = static_cast<int>(list.entries.size()) - 1;
        }
    }
    if (list.selected >= 0) return;
    if (currentPort > 0) {
        list.entries.append(QStringLiteral("COM%1 (INACTIVE)").arg(currentPort));
        list.selected = static_cast<int>(list.entries.size()) - 1;
    } else if (list.entries.size() > 1) {
        list.selected = 0;
    }
}

void FillPortList(PortList& list, int currentPort) {
    FillPortList(list, currentPort, platform::discover_ports());
}

int PortNumberFromText(const QString& text) {
    if (text.size() < 4 || !text.startsWith(QLatin1String("COM"))) return 0;
    const int number = LeadingNumber(QStringView(text).mid(3));
    return number <= kHighestPortNumber ? number : 0;
}

}  // namespace zav::app
