// The about box.
#include "app/gui/AboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace gui {

AboutBox::AboutBox(const QString& versions, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelpAbout"));
    setWindowTitle(QStringLiteral("About ") + QApplication::applicationName());
    auto* name = new QLabel(QApplication::applicationName(), this);
    name->setObjectName(QStringLiteral("lblAbout1"));
    QFont large = name->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() + 4);
    name->setFont(large);
    auto* lines = new QLabel(versions, this);
    lines->setObjectName(QStringLiteral("lblAbout2"));
    lines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* vendor = new QLabel(QStringLiteral("Vantric Systems"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(vendor);
    layout->addSpacing(8);
    layout->addWidget(lines);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace gui
