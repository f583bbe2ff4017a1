// The tour's slides.
#include "app/gui/SlideWindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace gui {

SlideWindow::SlideWindow(const QStringList& slides, QWidget* parent)
    : QDialog(parent), slides_(slides) {
    setObjectName(QStringLiteral("frmTour"));
    setWindowTitle(QStringLiteral("Tour the Zolt Programmer"));
    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("brTour"));
    view_->setOpenExternalLinks(true);
    position_ = new QLabel(this);
    back_ = new QPushButton(QStringLiteral("< &Back"), this);
    back_->setObjectName(QStringLiteral("cmdTourBack"));
    next_ = new QPushButton(QStringLiteral("&Next >"), this);
    next_->setObjectName(QStringLiteral("cmdTourNext"));
    next_->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdTourClose"));
    connect(back_, &QPushButton::clicked, this, [this] { Show(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] {
        if (current_ + 1 < slides_.size())
            Show(current_ + 1);
        else
            accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(position_);
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    resize(860, 720);
    Show(0);
}

QStringList SlideWindow::SlidesIn(const QString& folder) {
    const QDir dir(folder);
    QStringList slides;
    for (const QString& name :
         dir.entryList({QStringLiteral("slide*.htm")}, QDir::Files, QDir::Name))
        slides << dir.filePath(name);
    return slides;
}

void SlideWindow::Show(int index) {
    current_ = index;
    view_->setSource(QUrl::fromLocalFile(slides_[index]));
    position_->setText(QStringLiteral("%1 / %2").arg(index + 1).arg(slides_.size()));
    back_->setEnabled(index > 0);
    // The last slide's Next ends the tour, as Close does.
    next_->setText(index + 1 < slides_.size() ? QStringLiteral("&Next >")
                                              : QStringLiteral("&Finish"));
}

}  // namespace gui
