#include "zav/window/results_list.h"

#include <QHeaderView>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
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

void SetCellSwatch(QTreeWidgetItem& item, int column, const std::optional<QColor>& colour) {
    if (!colour) {
        item.setData(column, Qt::DecorationRole, QVariant());
        return;
    }
    constexpr int kSwatch = 12;
    QPixmap swatch(kSwatch, kSwatch);
    swatch.fill(*colour);
    QPainter frame(&swatch);
    frame.setPen(colour->darker(160));
    frame.drawRect(0, 0, kSwatch - 1, kSwatch - 1);
    frame.end();
    item.setIcon(column, QIcon(swatch));
}

int FitColumnToContents(QTreeWidget& list, int column) {
    const int now = list.columnWidth(column);
    list.resizeColumnToContents(column);
    const int needed = list.columnWidth(column);
    if (needed <= now) {
        list.setColumnWidth(column, now);
        return 0;
    }
    return needed - now;
}

}  // namespace zav::window
