// Message boxes and file dialogs through QMessageBox and QFileDialog.
#include "app/gui/QtDialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace gui {

namespace {

// "Zolt files (*.zlp)|*.zlp|All files (*.*)|*.*" as the dialog wants it: the descriptions,
// separated by ";;".
QString DialogFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2)
        names << parts[i];
    return names.join(QStringLiteral(";;"));
}

// The folder and file name a dialog starts with; a pattern is left to the filter.
QString DialogStart(const QString& preset) {
    if (preset.isEmpty() || QFileInfo(preset).fileName().contains(QLatin1Char('*'))) {
        const QString folder = QFileInfo(preset).path();
        return folder.isEmpty() || folder == QStringLiteral(".") ? QDir::currentPath() : folder;
    }
    return preset;
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton BoxButton(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Answer QtDialogs::Message(const QString& title, const QString& text, MessageIcon icon,
                          MessageButtons buttons, Answer defaultButton) {
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    if (buttons == MessageButtons::OkCancel)
        set = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == MessageButtons::YesNo)
        set = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == MessageButtons::YesNoCancel)
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(BoxIcon(icon), title, text, set, parent_);
    box.setDefaultButton(BoxButton(defaultButton));
    // Qt widens a box to its title; without minimise and maximise buttons the title bar has
    // the room it counted on.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            break;
    }
    // A box closed by its close button counts as its safest answer.
    return SafestAnswer(buttons);
}

std::optional<QString> QtDialogs::OpenFileName(const FileDialogRequest& request) {
    const QString name = QFileDialog::getOpenFileName(
        parent_, request.Title, DialogStart(request.Preset), DialogFilter(request.Filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtDialogs::SaveFileName(const FileDialogRequest& request) {
    const QString name = QFileDialog::getSaveFileName(
        parent_, request.Title, DialogStart(request.Preset), DialogFilter(request.Filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

// The sheets as they will come out, with Print and Cancel: the printer and the file were chosen
// already, so printing asks nothing more.
bool QtDialogs::Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QDialog preview(parent_);
    preview.setObjectName(QStringLiteral("frmPrintPreview"));
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    auto* pages = new QPrintPreviewWidget(&printer, &preview);
    QObject::connect(pages, &QPrintPreviewWidget::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &preview);
    buttons->addButton(QStringLiteral("&Print"), QDialogButtonBox::AcceptRole)->setDefault(true);
    auto* zoomIn = buttons->addButton(QStringLiteral("Zoom &In"), QDialogButtonBox::ActionRole);
    auto* zoomOut = buttons->addButton(QStringLiteral("Zoom &Out"), QDialogButtonBox::ActionRole);
    QObject::connect(zoomIn, &QPushButton::clicked, pages, [pages] { pages->zoomIn(); });
    QObject::connect(zoomOut, &QPushButton::clicked, pages, [pages] { pages->zoomOut(); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &preview, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &preview, &QDialog::reject);
    auto* layout = new QVBoxLayout(&preview);
    layout->addWidget(pages, 1);
    layout->addWidget(buttons);
    preview.resize(720, 820);
    return preview.exec() == QDialog::Accepted;
}

}  // namespace gui
