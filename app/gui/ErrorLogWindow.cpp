// The error log window.
#include "app/gui/ErrorLogWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/qt/FixedFont.h"
#include "model/qt/ModelText.h"

namespace gui {

ErrorLogWindow::ErrorLogWindow(QWidget* owner) : owner_(owner) {
    setObjectName(QStringLiteral("frmErrorForm"));
    setWindowTitle(QStringLiteral("Error Log"));
    // A dialog: a title and a close button, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstErrors"));
    list_->setFont(model::FixedPitchFont());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    resize(560, 240);
    connect(list_, &QListWidget::itemClicked, this, &ErrorLogWindow::Picked);
    connect(list_, &QListWidget::itemActivated, this, &ErrorLogWindow::Picked);
}

void ErrorLogWindow::SetRows(const std::vector<model::ListRow>& errors) {
    list_->clear();
    for (const model::ListRow& row : errors) {
        auto* item = new QListWidgetItem(model::ToQString(row.Text), list_);
        item->setData(Qt::UserRole, row.ItemData);
    }
}

std::optional<int> ErrorLogWindow::Run() {
    picked_.reset();
    owner_->setEnabled(false);
    show();
    raise();
    activateWindow();
    list_->setFocus();
    while (isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    owner_->setEnabled(true);
    return picked_;
}

void ErrorLogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void ErrorLogWindow::Picked() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    QListWidgetItem* item = selected.isEmpty() ? list_->currentItem() : selected.front();
    if (item == nullptr)
        return;
    picked_ = item->data(Qt::UserRole).toInt();
    hide();
}

}  // namespace gui
