// frmHelpAbout: the program's name and the versions of the program, the link and the MCU.
#pragma once

#include <QDialog>

namespace gui {

class AboutBox : public QDialog {
    Q_OBJECT

  public:
    // versions: the lines of lblAbout2.
    AboutBox(const QString& versions, QWidget* parent = nullptr);
};

}  // namespace gui
