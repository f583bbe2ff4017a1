// frmErrorForm: the problems found on the page just listed, one row per problem; picking a row
// leads to the line in the main list.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "model/PageListing.h"

class QListWidget;

namespace gui {

class ErrorLogWindow : public QWidget {
    Q_OBJECT

  public:
    // owner: the window that is disabled while the log is open.
    explicit ErrorLogWindow(QWidget* owner);

    void SetRows(const std::vector<model::ListRow>& errors);

    // Shows the log and serves window events until it is hidden. Returns the line list row of
    // the entry the user picked, or none when the log was closed another way.
    std::optional<int> Run();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Picked();

    QWidget* owner_;
    QListWidget* list_;
    std::optional<int> picked_;
};

}  // namespace gui
