// Rows that wrap.
#include "editor/qt/FlowLayout.h"

#include <QWidget>
#include <QWidgetItem>

namespace editor {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

void FlowLayout::insertWidget(int index, QWidget* widget) {
    addChildWidget(widget);
    items_.insert(qBound(0, index, static_cast<int>(items_.size())), new QWidgetItem(widget));
    invalidate();
}

QSize FlowLayout::minimumSize() const {
    // As narrow as the widest item; as high as that width makes it.
    int widest = 0;
    for (const QLayoutItem* item : items_)
        widest = qMax(widest, item->isEmpty() ? 0 : item->sizeHint().width());
    return {widest, heightForWidth(widest)};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool place) const {
    // Items of one row are centred on the row's height, so labels line up with boxes.
    QList<QLayoutItem*> row;
    int y = rect.y();
    int rowWidth = 0;
    int rowHeight = 0;
    const auto finishRow = [&] {
        int x = rect.x();
        for (QLayoutItem* item : row) {
            const QSize size = item->sizeHint();
            if (place)
                item->setGeometry(QRect(QPoint(x, y + (rowHeight - size.height()) / 2), size));
            x += size.width() + spacing_;
        }
        if (!row.isEmpty())
            y += rowHeight + spacing_;
        row.clear();
        rowWidth = 0;
        rowHeight = 0;
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint();
        if (!row.isEmpty() && rowWidth + spacing_ + size.width() > rect.width())
            finishRow();
        rowWidth += (row.isEmpty() ? 0 : spacing_) + size.width();
        rowHeight = qMax(rowHeight, size.height());
        row.append(item);
    }
    finishRow();
    return qMax(y - spacing_ - rect.y(), 0);
}

}  // namespace editor
