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

// Marks one cell with a swatch of `colour` before its text, which keeps the
// list's own colour and so stays legible whatever the mark (cyan text on
// white barely reads); none takes the mark away.
void SetCellSwatch(QTreeWidgetItem& item, int column, const std::optional<QColor>& colour);

// Widens the list's column to its longest text when that is wider than the
// column now; returns the pixels it grew by.
int FitColumnToContents(QTreeWidget& list, int column);

}  // namespace zav::window
