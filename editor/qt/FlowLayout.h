// A layout that places its items left to right and starts a new row when the next one would
// not fit, so the function editor's toolbar and fields stay whole in a narrow window.
#pragma once

#include <QLayout>
#include <QList>

namespace editor {

class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent, int spacing);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;
    // Places widget at index among the items (appends for an index past the end).
    void insertWidget(int index, QWidget* widget);

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override { return minimumSize(); }
    void setGeometry(const QRect& rect) override;

  private:
    // Lays the visible items out in rect (moving them when place is set); returns the height used.
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
    int spacing_;
};

}  // namespace editor
