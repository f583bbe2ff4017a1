// The comparison with the MCU.
#include "app/gui/ComparisonWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "model/qt/FixedFont.h"
#include "model/qt/ModelText.h"

namespace gui {

ComparisonWindow::ComparisonWindow(const std::vector<std::string>& differences, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Compare with MCU"));
    auto* heading = new QLabel(
        QStringLiteral("Lines marked - are in the PC, lines marked + in the MCU:"), this);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("txtCompare"));
    text->setReadOnly(true);
    text->setFont(model::FixedPitchFont());
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const std::string& line : differences)
        text->appendPlainText(model::ToQString(line));
    text->moveCursor(QTextCursor::Start);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    resize(760, 480);
}

}  // namespace gui
