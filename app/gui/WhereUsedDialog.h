// frmWhereUsed: the lines that use an input, an output, a timer, a counter or a message; picking
// one shows it in the line list.
#pragma once

#include <QDialog>
#include <optional>
#include <utility>
#include <vector>

#include "model/WhereUsed.h"

class QListWidget;

namespace gui {

class WhereUsedDialog : public QDialog {
    Q_OBJECT

  public:
    // title: what is looked for ("Input 12 (DOOR)").
    WhereUsedDialog(const QString& title, std::vector<model::LineUse> uses,
                    QWidget* parent = nullptr);

    // The page and line picked, when one was.
    std::optional<std::pair<int, int>> Picked() const { return picked_; }

  private:
    std::vector<model::LineUse> uses_;
    QListWidget* list_;
    std::optional<std::pair<int, int>> picked_;
};

}  // namespace gui
