// SPDX-License-Identifier: MIT
#include "printcommands.h"

#include "dialogs.h"
#include "puzzledocument.h"
#include "safefile.h"
#include "wordexport.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
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

QString printErrorText()
{
    return QCoreApplication::translate("PrintCommands", "The printer could not be started.");
}

QString printPageErrorText()
{
    return QCoreApplication::translate("PrintCommands",
                                       "A page could not be started on the printer.");
}

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
    setWindowTitle(tr("Print"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("Which pages do you want to print?"), this);
    layout->addWidget(label);
    m_both = choice(this, QStringLiteral("optPrintBoth"), tr("Puzzle and &answer key"));
    m_puzzle = choice(this, QStringLiteral("optPrintPuzzle"), tr("P&uzzle only"));
    m_key = choice(this, QStringLiteral("optPrintKey"), tr("Answer &key only"));
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
    QPushButton *preview = buttons->addButton(tr("Pre&view..."), QDialogButtonBox::ActionRole);
    preview->setObjectName(QStringLiteral("cmdPreview"));
    QPushButton *print = buttons->addButton(tr("&Print..."), QDialogButtonBox::AcceptRole);
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

bool printWorksheet(Dialogs &dialogs, const CrosswordData &puzzle, QPrinter &printer,
                    PrintParts parts)
{
    const WorksheetOptions options = worksheetOptions(parts, printer.pageLayout().pageSize().id());
    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs.message(kWorksheetErrorTitle, printErrorText(), Icon::Warning);
        return false;
    }
    const bool painted = paintWorksheet(painter, printer, puzzle, options);
    painter.end();
    if (!painted)
        dialogs.message(kWorksheetErrorTitle, printPageErrorText(), Icon::Warning);
    return painted;
}

namespace {

// Printing to a PDF file: the document is made in memory from the printer's settings and
// written whole, so that a failed write (a full disk) keeps the old file and is reported.
bool printWorksheetToFile(Dialogs &dialogs, const CrosswordData &puzzle, const QPrinter &printer,
                          PrintParts parts)
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
            dialogs.message(kWorksheetErrorTitle, printErrorText(), Icon::Warning);
            return false;
        }
        const bool painted = paintWorksheet(
            painter, writer, puzzle, worksheetOptions(parts, printer.pageLayout().pageSize().id()));
        painter.end();
        if (!painted) {
            dialogs.message(kWorksheetErrorTitle, printPageErrorText(), Icon::Warning);
            return false;
        }
    }
    const QString path = printer.outputFileName();
    if (const std::optional<QString> reason = writeFileSafely(path, bytes)) {
        dialogs.message(kWorksheetErrorTitle,
                        QCoreApplication::translate("PrintCommands",
                                                    "The worksheet could not be written "
                                                    "to \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), *reason),
                        Icon::Warning);
        return false;
    }
    return true;
}

} // namespace

PrintCommands::PrintCommands(const CommandContext &context)
    : QObject(context.parent), m_context(context), m_qtDialogs(context.parent)
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
        m_printer->setDocName(m_context.document.puzzle().title);
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
    target.setDocName(m_context.document.puzzle().title);
    if (action == PrintDialogs::Action::Preview) {
        return dialogs().preview(target, [this, parts](QPrinter &onto) {
            printWorksheet(m_context.dialogs, m_context.document.puzzle(), onto, parts);
        });
    }
    if (!dialogs().setUpPrinter(target))
        return false;
    if (target.outputFormat() == QPrinter::PdfFormat && !target.outputFileName().isEmpty())
        return printWorksheetToFile(m_context.dialogs, m_context.document.puzzle(), target, parts);
    return printWorksheet(m_context.dialogs, m_context.document.puzzle(), target, parts);
}

// --- The menus -----------------------------------------------------------------------

PrintCommands *printCommands(QObject &window)
{
    return window.findChild<PrintCommands *>(QStringLiteral("printCommands"),
                                             Qt::FindDirectChildrenOnly);
}

QList<WindowCommand> printCommandGroup(const CommandContext &context)
{
    auto *commands = new PrintCommands(context);
    QAction *print = makeCommandAction(
        context.parent, QStringLiteral("mnuPrint"),
        QCoreApplication::translate("PrintCommands", "&Print..."),
        [commands] { commands->print(); }, QKeySequence(Qt::CTRL | Qt::Key_P));
    // "&Print..." in "&File", a group of its own.
    return {{print, WindowMenu::File, true}};
}

} // namespace Velloquin
