// Draws the rows of lstPage so that line numbers stand right-aligned in one column and the
// descriptions start in one column, whatever the number's length; the rows' text is untouched.
#pragma once

#include <QStyledItemDelegate>

namespace gui {

class PageRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // Every row as wide as the longest a page can hold, so that the list, which takes one size
    // for all its rows, scrolls sideways far enough for any of them.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace gui
