#include "zav/window/results_list.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

#include "zav/window/tool_window_parts.h"

namespace zav::window {

QTreeWidget* NewList(const char* name, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->header()->setStretchLastSection(false);
    return list;
}

int SetListColumns(QTreeWidget& list, const std::vector<ListColumn>& columns) {
    QStringList captions;
    for (const ListColumn& column : columns) captions << column.caption;
    list.setColumnCount(static_cast<int>(columns.size()));
    list.setHeaderLabels(captions);
    if (!captions.isEmpty()) list.setAccessibleName(captions.first());
    int width = 2 * list.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                list.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        const int pixels = Pixels(columns[static_cast<std::size_t>(i)].widthTwips);
        list.setColumnWidth(i, pixels);
        width += pixels;
    }
    return width;
}

void SetCellColour(QTreeWidgetItem& item, int column, const std::optional<QColor>& colour) {
    if (colour) {
        item.setForeground(column, *colour);
    } else {
        item.setData(column, Qt::ForegroundRole, QVariant());
    }
}

}  // namespace zav::window
