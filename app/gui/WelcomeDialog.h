// frmWelcome: three lines of text and two answer buttons; the caller sets the texts.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace gui {

class WelcomeDialog : public QDialog {
    Q_OBJECT

  public:
    // owner: the window the dialog disables while it is open and enables on an answer.
    explicit WelcomeDialog(QWidget* owner);

    // The line texts and their sizes in points; the first line is bold.
    void SetLines(const QString& first, int firstPoints, const QString& second,
                  const QString& third, int points);
    void SetButtons(const QString& first, const QString& second);

    // Shows the dialog with the owner disabled and serves events until an answer enables the
    // owner again. Returns WelcomeAnswer: 1 for the first button, 2 for the second, 0 when the
    // dialog was closed without one.
    int Ask();

    // Closing by the frame or Escape counts as no answer and enables the owner again.
    void reject() override;

  private:
    void Answered(int answer);

    QWidget* owner_;
    QLabel* lines_[3];
    QPushButton* first_;
    QPushButton* second_;
    QCheckBox* dontShow_;
    int answer_ = 0;
};

}  // namespace gui
