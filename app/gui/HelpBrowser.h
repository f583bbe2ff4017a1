// frmHelpBrowser ("Zolt Programmer Help"): the help pages in a browser of their own, with Back,
// Forward, Refresh and Home, and the desktop's browser for pages on the web.
#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace gui {

class HelpBrowser : public QMainWindow {
    Q_OBJECT

  public:
    // home: the contents page, Help/main.htm of the data folder.
    HelpBrowser(const QString& home, QWidget* parent = nullptr);

  private:
    QTextBrowser* view_;
};

}  // namespace gui
