// frmSplashScr: the programmer's name and version while it starts; a click or a key ends it.
#pragma once

#include <QWidget>

namespace gui {

class SplashScreen : public QWidget {
    Q_OBJECT

  public:
    SplashScreen();

  signals:
    // The user clicked the screen or pressed a key: the start-up wait is to end now.
    void dismissed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace gui
