// The welcome dialog.
#include "app/gui/WelcomeDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace {

void SetSize(QLabel* label, int points, bool bold) {
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
}

}  // namespace

WelcomeDialog::WelcomeDialog(QWidget* owner) : owner_(owner) {
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(QStringLiteral("Zolt MCU Programmer"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);
    const char* names[3] = {"lblWelcm1", "lblWelcm2", "lblWelcm3"};
    for (int i = 0; i < 3; ++i) {
        lines_[i] = new QLabel(this);
        lines_[i]->setObjectName(QString::fromLatin1(names[i]));
        lines_[i]->setAlignment(Qt::AlignCenter);
        column->addWidget(lines_[i]);
    }
    dontShow_ = new QCheckBox(QStringLiteral("Don't show this again"), this);
    dontShow_->setObjectName(QStringLiteral("chkWelcm"));
    dontShow_->hide();
    column->addWidget(dontShow_);
    auto* row = new QHBoxLayout;
    first_ = new QPushButton(this);
    first_->setObjectName(QStringLiteral("cmdWelcm1"));
    second_ = new QPushButton(this);
    second_->setObjectName(QStringLiteral("cmdWelcm2"));
    row->addStretch(1);
    row->addWidget(first_);
    row->addWidget(second_);
    row->addStretch(1);
    column->addLayout(row);
    connect(first_, &QPushButton::clicked, this, [this] { Answered(1); });
    connect(second_, &QPushButton::clicked, this, [this] { Answered(2); });
}

void WelcomeDialog::SetLines(const QString& first, int firstPoints, const QString& second,
                             const QString& third, int points) {
    lines_[0]->setText(first);
    SetSize(lines_[0], firstPoints, true);
    lines_[1]->setText(second);
    SetSize(lines_[1], points, false);
    lines_[2]->setText(third);
    SetSize(lines_[2], points, false);
}

void WelcomeDialog::SetButtons(const QString& first, const QString& second) {
    first_->setText(first);
    second_->setText(second);
}

int WelcomeDialog::Ask() {
    answer_ = 0;
    owner_->setEnabled(false);
    show();
    raise();
    activateWindow();
    while (!owner_->isEnabled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return answer_;
}

void WelcomeDialog::Answered(int answer) {
    answer_ = answer;
    owner_->setEnabled(true);
    hide();
}

void WelcomeDialog::reject() {
    owner_->setEnabled(true);
    QDialog::reject();
}

}  // namespace gui
