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
    int x = rect.x();
    int y = rect.y();
    int rowHeight = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint();
        if (x > rect.x() && x + size.width() > rect.right() + 1) {
            x = rect.x();
            y += rowHeight + spacing_;
            rowHeight = 0;
        }
        if (place)
            item->setGeometry(QRect(QPoint(x, y), size));
        x += size.width() + spacing_;
        rowHeight = qMax(rowHeight, size.height());
    }
    return y + rowHeight - rect.y();
}

}  // namespace editor
