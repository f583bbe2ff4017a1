// The splash screen.
#include "app/gui/SplashScreen.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "model/Program.h"

namespace gui {

namespace {

QLabel* AddLabel(QLayout* layout, QWidget* parent, const char* name, const QString& text,
                 int points) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(points);
    label->setFont(font);
    layout->addWidget(label);
    return label;
}

}  // namespace

SplashScreen::SplashScreen() {
    setObjectName(QStringLiteral("frmSplashScr"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(30, 30, 30, 30);
    QLabel* title = AddLabel(column, frame, "lblSplScr1", QStringLiteral("PC Programmer"), 22);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    AddLabel(column, frame, "lblSplScr2", QStringLiteral("for the Zolt Control System"), 14);
    AddLabel(column, frame, "lblSplScrVer",
             QStringLiteral("Version  ") + QString::fromLatin1(model::kAppVersion), 10);
    resize(420, 220);
}

// The labels pass their clicks on to the screen, so a click anywhere lands here.
void SplashScreen::mousePressEvent(QMouseEvent*) {
    emit dismissed();
}

void SplashScreen::keyPressEvent(QKeyEvent*) {
    emit dismissed();
}

}  // namespace gui
