// The help viewer.
#include "app/gui/HelpBrowser.h"

#include <QAction>
#include <QDesktopServices>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace gui {

HelpBrowser::HelpBrowser(const QString& home, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmHelpBrowser"));
    setWindowTitle(QStringLiteral("Zolt Programmer Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("brHelpBrowser"));
    view_->setOpenExternalLinks(true);
    setCentralWidget(view_);

    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("tlbHelp"));
    bar->setMovable(false);
    const auto add = [&](const char* caption, QKeySequence::StandardKey key) {
        QAction* action = bar->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(caption));
        action->setShortcut(key);
        return action;
    };
    QAction* back = add("Back", QKeySequence::Back);
    QAction* forward = add("Forward", QKeySequence::Forward);
    QAction* refresh = add("Refresh", QKeySequence::Refresh);
    QAction* toHome = add("Home", QKeySequence::UnknownKey);
    QAction* browser = bar->addAction(QStringLiteral("Open in Browser"));
    browser->setObjectName(QStringLiteral("OpenInBrowser"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, view_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, view_, &QTextBrowser::forward);
    connect(refresh, &QAction::triggered, view_, &QTextBrowser::reload);
    connect(view_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(view_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    const QUrl homeUrl = QUrl::fromLocalFile(home);
    connect(toHome, &QAction::triggered, view_, [this, homeUrl] { view_->setSource(homeUrl); });
    // The same page in the desktop's own browser, for printing or a larger font.
    connect(browser, &QAction::triggered, view_,
            [this] { QDesktopServices::openUrl(view_->source()); });
    view_->setSource(homeUrl);
    resize(820, 640);
}

}  // namespace gui
