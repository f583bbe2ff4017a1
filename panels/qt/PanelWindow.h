// frmRTPWindow and frmRCPWindow: the timer or counter panel's settings, shown from the panel
// editor's working copy. The caller hands the tables back to the program on OK.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "panels/qt/PanelWindowLayout.h"

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace panels {

class PanelWindow : public QDialog {
    Q_OBJECT

  public:
    // Shows a check's message, titled "Error", over `field`.
    using ErrorReporter = std::function<void(QWidget* field, const QString& message)>;

    PanelWindow(const PanelWindowLayout& layout, PanelEditor& editor, ErrorReporter report,
                QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct OptionButton {
        QAbstractButton* Button;
        OptionControl Control;
    };

    QWidget* BuildEntries(const PanelWindowLayout& layout);
    QWidget* BuildMessages(const PanelWindowLayout& layout);
    QLineEdit* AddTextField(QWidget* parent, const QString& name, int length);
    void ShowEntry();
    void ShowMessage();
    int ValueFieldOf(const QObject* widget) const;
    FocusTarget TargetOf(const QWidget* widget) const;
    bool PassesLeaveCheck(int field, FocusTarget to);
    void Confirm();

    PanelEditor& editor_;
    ErrorReporter report_;
    QButtonGroup* entries_ = nullptr;
    QButtonGroup* messages_ = nullptr;
    QLineEdit* name_ = nullptr;
    std::array<QLineEdit*, kValueFieldCount> values_{};
    QLineEdit* top_ = nullptr;
    QLineEdit* bottom_ = nullptr;
    std::vector<OptionButton> options_;
    QPushButton* cancel_ = nullptr;
    bool reporting_ = false;
};

}  // namespace panels
