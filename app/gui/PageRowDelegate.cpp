// Line rows drawn in columns.
#include "app/gui/PageRowDelegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "app/shell/RowColumns.h"

namespace gui {

namespace {

// Twenty blanks and a 60-character comment piece, or a line row with the longest description,
// with room to spare.
constexpr int kLongestRow = 96;

}  // namespace

QSize PageRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    size.setWidth(
        std::max(size.width(), kLongestRow * metrics.horizontalAdvance(QLatin1Char('0'))));
    return size;
}

void PageRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const QByteArray row = index.data(Qt::DisplayRole).toString().toLatin1();
    const shell::RowColumns parts = shell::SplitLineRow({row.constData(), std::size_t(row.size())});
    if (parts.Number.empty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row's own panel (selection, the trace marker) as the style draws it, then the two
    // parts at their columns in the row's text colour.
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    const QString text = panel.text;
    panel.text.clear();
    const QWidget* view = option.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, view);

    const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &panel, view);
    const int column = panel.fontMetrics.horizontalAdvance(QLatin1Char('0'));
    const QString number = QString::fromLatin1(parts.Number.data(), int(parts.Number.size()));
    const QString description =
        text.right(int(parts.Description.size()));  // the row's own characters, not Latin-1
    painter->save();
    painter->setFont(panel.font);
    painter->setPen(panel.palette.color(
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect numberBox(textArea.left(), textArea.top(), shell::kNumberEnd * column,
                          textArea.height());
    painter->drawText(numberBox, Qt::AlignRight | Qt::AlignVCenter, number);
    QRect descriptionBox = textArea;
    descriptionBox.setLeft(textArea.left() + shell::kDescriptionStart * column);
    painter->drawText(descriptionBox, Qt::AlignLeft | Qt::AlignVCenter, description);
    painter->restore();
}

}  // namespace gui
