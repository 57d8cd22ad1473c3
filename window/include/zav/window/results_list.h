#pragma once
// The list views of the tool windows (results, sensors, calibration
// status): rows without decoration or selection, columns of fixed widths in
// twips, and a colour per cell.
#include <QColor>
#include <QString>
#include <optional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace zav::window {

struct ListColumn {
    QString caption;
    int widthTwips;
};

// An empty list named `name`.
QTreeWidget* NewList(const char* name, QWidget* parent);

// Gives the list its columns; the first caption is also its accessible
// name. Returns the width in pixels that shows every column whole, with the
// list's frame and a vertical scroll bar.
int SetListColumns(QTreeWidget& list, const std::vector<ListColumn>& columns);

// The text colour of one cell; none gives it back the list's own.
void SetCellColour(QTreeWidgetItem& item, int column, const std::optional<QColor>& colour);

}  // namespace zav::window
