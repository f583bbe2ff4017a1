// frmCompare: what differs between the program in the PC and the one in the MCU, in the
// listing's words.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

namespace gui {

class ComparisonWindow : public QDialog {
    Q_OBJECT

  public:
    ComparisonWindow(const std::vector<std::string>& differences, QWidget* parent = nullptr);
};

}  // namespace gui
