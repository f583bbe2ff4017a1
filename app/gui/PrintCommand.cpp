// Printing the listing.
#include "app/gui/PrintCommand.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

#include "app/shell/FilePreset.h"
#include "app/shell/StartupSettings.h"
#include "files/PrintJob.h"
#include "files/qt/PrintDialog.h"
#include "files/qt/SheetPainter.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/qt/ModelText.h"

namespace gui {

namespace {

const QString kTitle = QStringLiteral("Print");

}  // namespace

void PrintCommand::Run(const std::string& pgmDir) {
    shell::PrintSettings print = shell::ReadPrintSettings(settings_);
    files::PrintJob job;
    job.Sections = files::DefaultSections(program_);
    job.LeftInches = print.Left;
    job.TopInches = print.Top;
    job.LinesPerSheet = print.Lines;
    QStringList printers = QPrinterInfo::availablePrinterNames();
    if (!QPrinterInfo::defaultPrinterName().isEmpty())
        job.Printer = model::FromQString(QPrinterInfo::defaultPrinterName());
    printers << QString::fromLatin1(files::kPdfPrinter);
    std::array<bool, files::kPrintSectionCount> available;
    available.fill(true);
    available[files::kTimerSection] = model::TimerModuleInstalled(program_);
    available[files::kCounterSection] = model::CounterModuleInstalled(program_);

    files::PrintDialog dialog(
        job, available, printers,
        [this](QWidget*, const QString& message) {
            dialogs_.Tell(QStringLiteral("Error"), message, MessageIcon::Warning);
        },
        parent_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    print.Left = job.LeftInches;
    print.Top = job.TopInches;
    print.Lines = job.LinesPerSheet;
    shell::SavePrintSettings(settings_, print);
    Print(job, print, pgmDir);
}

// A PDF goes to a file beside the chosen one and takes its place only when it is whole.
void PrintCommand::Print(const files::PrintJob& job, const shell::PrintSettings& print,
                         const std::string& pgmDir) {
    QPrinter printer(QPrinter::HighResolution);
    QString target;
    if (job.Printer == files::kPdfPrinter) {
        const auto chosen = dialogs_.SaveFileName(
            {QStringLiteral("Print to PDF File"),
             QStringLiteral("PDF files (*.pdf)|*.pdf|All files (*.*)|*.*"),
             QFile::decodeName(QByteArray::fromStdString(shell::FilePreset(pgmDir, "*.pdf")))});
        if (!chosen)
            return;
        target = QFile::decodeName(QByteArray::fromStdString(
            shell::WithDefaultExtension(QFile::encodeName(*chosen).toStdString(), ".pdf")));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target + QStringLiteral(".part"));
    } else {
        printer.setPrinterName(model::ToQString(job.Printer));
        if (!printer.isValid()) {
            Tell(QStringLiteral("The printer %1 is not available. Choose another printer, or "
                                "PDF file.")
                     .arg(model::ToQString(job.Printer)));
            return;
        }
    }
    const QFont font(model::ToQString(print.Font), print.Size);
    files::PrintChoice choice;
    choice.Sections = job.Sections;
    choice.LinesPerSheet = job.LinesPerSheet;
    choice.RowsThatFit = files::RowsThatFit(printer, font, job.TopInches);
    const std::vector<files::Sheet> sheets = files::Paginate(program_, choice);
    if (sheets.empty()) {
        Tell(QStringLiteral("Nothing to print: no part of the program is ticked."));
        return;
    }
    const auto paint = [&](QPrinter& device) {
        return files::PaintSheets(device, sheets, font, job.LeftInches, job.TopInches);
    };
    if (!dialogs_.Preview(printer, paint))
        return;
    const bool painted = paint(printer);
    if (target.isEmpty()) {
        if (!painted)
            Tell(QStringLiteral("The printer %1 did not take the listing. Check that it is on "
                                "and connected.")
                     .arg(printer.printerName()));
        return;
    }
    const QString part = printer.outputFileName();
    if (painted && std::rename(QFile::encodeName(part).constData(),
                               QFile::encodeName(target).constData()) == 0)
        return;
    QFile::remove(part);
    Tell(QStringLiteral("The PDF file %1 could not be written.").arg(target));
}

void PrintCommand::Tell(const QString& text) {
    dialogs_.Tell(kTitle, text, MessageIcon::Warning);
}

}  // namespace gui
