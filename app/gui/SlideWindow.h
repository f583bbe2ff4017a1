// The tour's slide window: the pages of the tour folder in name order, with Back, Next and
// Close; the tour waits until the user closes it.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace gui {

class SlideWindow : public QDialog {
    Q_OBJECT

  public:
    // slides: the pages to show, in order; at least one.
    SlideWindow(const QStringList& slides, QWidget* parent = nullptr);

    // The slides of a tour folder: its slide*.htm pages in name order.
    static QStringList SlidesIn(const QString& folder);

  private:
    void Show(int index);

    QStringList slides_;
    int current_ = 0;
    QTextBrowser* view_;
    QLabel* position_;
    QPushButton* back_;
    QPushButton* next_;
};

}  // namespace gui
