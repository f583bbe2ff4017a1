// The list of lines that use something.
#include "app/gui/WhereUsedDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/PageGeometry.h"
#include "model/qt/FixedFont.h"
#include "model/qt/ModelText.h"

namespace gui {

WhereUsedDialog::WhereUsedDialog(const QString& title, std::vector<model::LineUse> uses,
                                 QWidget* parent)
    : QDialog(parent), uses_(std::move(uses)) {
    setObjectName(QStringLiteral("frmWhereUsed"));
    setWindowTitle(QStringLiteral("Where Used: ") + title);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstWhereUsed"));
    list_->setFont(model::FixedPitchFont());
    for (const model::LineUse& use : uses_) {
        list_->addItem(QStringLiteral("Page %1  line %2  ")
                           .arg(QChar(model::PageLetter(use.Page)))
                           .arg(use.Line, 3) +
                       model::ToQString(use.Text));
    }
    list_->setCurrentRow(0);
    auto* heading = new QLabel(uses_.empty() ? QStringLiteral("No line uses %1.").arg(title)
                                             : QStringLiteral("Lines that use %1:").arg(title),
                               this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* show =
        buttons->addButton(QStringLiteral("&Show Line"), QDialogButtonBox::AcceptRole);
    show->setEnabled(!uses_.empty());
    show->setDefault(true);
    const auto pick = [this] {
        const int row = list_->currentRow();
        if (row < 0)
            return;
        picked_ = std::make_pair(uses_[row].Page, uses_[row].Line);
        accept();
    };
    connect(show, &QPushButton::clicked, this, pick);
    connect(list_, &QListWidget::itemActivated, this, pick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(640, 320);
}

}  // namespace gui
