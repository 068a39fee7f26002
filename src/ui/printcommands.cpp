// SPDX-License-Identifier: MIT
#include "printcommands.h"

#include "filedialogs.h"
#include "mainwindow.h"
#include "safefile.h"
#include "wordexport.h"

#include <QAction>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Velloquin {

namespace {

const QString kPrintErrorText = QStringLiteral("The printer could not be started.");
const QString kPrintPageErrorText = QStringLiteral("A page could not be started on the printer.");

QPageLayout worksheetPageLayout(QPageSize::PageSizeId paper)
{
    const qreal m = kWorksheetMarginMm;
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

QRadioButton *choice(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

} // namespace

// --- The choice of pages ---------------------------------------------------------------

PrintPartsDialog::PrintPartsDialog(PrintParts parts, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrintParts"));
    setWindowTitle(QStringLiteral("Print"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("Which pages do you want to print?"), this);
    layout->addWidget(label);
    m_both = choice(this, QStringLiteral("optPrintBoth"), QStringLiteral("Puzzle and &answer key"));
    m_puzzle = choice(this, QStringLiteral("optPrintPuzzle"), QStringLiteral("P&uzzle only"));
    m_key = choice(this, QStringLiteral("optPrintKey"), QStringLiteral("Answer &key only"));
    for (QRadioButton *b : {m_both, m_puzzle, m_key})
        layout->addWidget(b);
    switch (parts) {
    case PrintParts::PuzzleAndKey:
        m_both->setChecked(true);
        break;
    case PrintParts::PuzzleOnly:
        m_puzzle->setChecked(true);
        break;
    case PrintParts::KeyOnly:
        m_key->setChecked(true);
        break;
    }
    layout->addSpacing(6);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *preview =
        buttons->addButton(QStringLiteral("Pre&view..."), QDialogButtonBox::ActionRole);
    preview->setObjectName(QStringLiteral("cmdPreview"));
    QPushButton *print =
        buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("cmdPrint"));
    print->setDefault(true);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);

    connect(preview, &QPushButton::clicked, this, [this] {
        m_action = PrintDialogs::Action::Preview;
        accept();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        m_action = PrintDialogs::Action::Print;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_action = PrintDialogs::Action::Cancel;
        reject();
    });
}

PrintParts PrintPartsDialog::parts() const
{
    if (m_puzzle->isChecked())
        return PrintParts::PuzzleOnly;
    if (m_key->isChecked())
        return PrintParts::KeyOnly;
    return PrintParts::PuzzleAndKey;
}

// --- Qt's dialogs ------------------------------------------------------------------------

PrintDialogs::Action QtPrintDialogs::chooseParts(PrintParts &parts)
{
    PrintPartsDialog dialog(parts, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return Action::Cancel;
    parts = dialog.parts();
    return dialog.action();
}

bool QtPrintDialogs::setUpPrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintDialogs::preview(QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter *target) { paint(*target); });
    return dialog.exec() == QDialog::Accepted;
}

// --- The commands ------------------------------------------------------------------------

WorksheetOptions worksheetOptions(PrintParts parts, QPageSize::PageSizeId paper)
{
    WorksheetOptions options;
    options.paper = paper;
    options.puzzle = parts != PrintParts::KeyOnly;
    options.answerKey = parts != PrintParts::PuzzleOnly;
    options.drawing = printDrawOptions();
    return options;
}

bool printWorksheet(MainWindow &window, QPrinter &printer, PrintParts parts)
{
    const WorksheetOptions options = worksheetOptions(parts, printer.pageLayout().pageSize().id());
    QPainter painter;
    if (!painter.begin(&printer)) {
        window.dialogs().message(kWorksheetErrorTitle, kPrintErrorText, Icon::Warning);
        return false;
    }
    const bool painted = paintWorksheet(painter, printer, window.puzzle(), options);
    painter.end();
    if (!painted)
        window.dialogs().message(kWorksheetErrorTitle, kPrintPageErrorText, Icon::Warning);
    return painted;
}

namespace {

// Printing to a PDF file: the document is made in memory from the printer's settings and
// written whole, so that a failed write (a full disk) keeps the old file and is reported.
bool printWorksheetToFile(MainWindow &window, const QPrinter &printer, PrintParts parts)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(printer.docName());
        writer.setCreator(QStringLiteral("Velloquin"));
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        QPainter painter;
        if (!painter.begin(&writer)) {
            window.dialogs().message(kWorksheetErrorTitle, kPrintErrorText, Icon::Warning);
            return false;
        }
        const bool painted =
            paintWorksheet(painter, writer, window.puzzle(),
                           worksheetOptions(parts, printer.pageLayout().pageSize().id()));
        painter.end();
        if (!painted) {
            window.dialogs().message(kWorksheetErrorTitle, kPrintPageErrorText, Icon::Warning);
            return false;
        }
    }
    const QString path = printer.outputFileName();
    if (const std::optional<QString> reason = writeFileSafely(path, bytes)) {
        window.dialogs().message(kWorksheetErrorTitle,
                                 QStringLiteral("The worksheet could not be written to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(path), *reason),
                                 Icon::Warning);
        return false;
    }
    return true;
}

} // namespace

PrintCommands::PrintCommands(MainWindow &window)
    : QObject(&window), m_window(window), m_qtDialogs(&window)
{
    setObjectName(QStringLiteral("printCommands"));
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::setDialogs(PrintDialogs *dialogs)
{
    m_dialogs = dialogs;
}

PrintDialogs &PrintCommands::dialogs()
{
    return m_dialogs ? *m_dialogs : m_qtDialogs;
}

QPrinter &PrintCommands::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageLayout(worksheetPageLayout(systemPaperSize()));
        m_printer->setDocName(m_window.puzzle().title);
    }
    return *m_printer;
}

bool PrintCommands::print()
{
    PrintParts parts = m_lastParts;
    const PrintDialogs::Action action = dialogs().chooseParts(parts);
    if (action == PrintDialogs::Action::Cancel)
        return false;
    m_lastParts = parts;
    QPrinter &target = printer();
    target.setDocName(m_window.puzzle().title);
    if (action == PrintDialogs::Action::Preview) {
        return dialogs().preview(
            target, [this, parts](QPrinter &onto) { printWorksheet(m_window, onto, parts); });
    }
    if (!dialogs().setUpPrinter(target))
        return false;
    if (target.outputFormat() == QPrinter::PdfFormat && !target.outputFileName().isEmpty())
        return printWorksheetToFile(m_window, target, parts);
    return printWorksheet(m_window, target, parts);
}

// --- The menus -----------------------------------------------------------------------

PrintCommands *printCommands(MainWindow &window)
{
    return window.findChild<PrintCommands *>(QStringLiteral("printCommands"),
                                             Qt::FindDirectChildrenOnly);
}

void addPrintCommands(MainWindow &window)
{
    auto *commands = printCommands(window);
    if (!commands)
        commands = new PrintCommands(window);

    // "&Print..." in "&File", a group of its own.
    window.addCommand(
        WindowMenu::File, QStringLiteral("mnuPrint"), kPrintCaption,
        [commands] { commands->print(); }, QKeySequence(Qt::CTRL | Qt::Key_P), true);
}

} // namespace Velloquin
