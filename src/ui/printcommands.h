// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"
#include "pdfworksheet.h"

#include <QDialog>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QRadioButton;
class QWidget;

namespace Velloquin {

// Caption of the print command.
inline const QString kPrintCaption = QStringLiteral("&Print...");

// Which pages a worksheet holds.
enum class PrintParts { PuzzleAndKey, PuzzleOnly, KeyOnly };

// The dialogs of the print command: the choice of pages, the system's print dialog and
// the print preview. Production uses Qt's; tests answer without showing anything.
class PrintDialogs
{
public:
    enum class Action { Print, Preview, Cancel };

    virtual ~PrintDialogs() = default;

    // Which pages to print, and whether to print now or see the preview first. parts
    // holds the last choice on entry and the new one on return.
    virtual Action chooseParts(PrintParts &parts) = 0;
    // The system's print dialog for printer; false when cancelled.
    virtual bool setUpPrinter(QPrinter &printer) = 0;
    // The print preview of printer; paint draws the pages onto the printer it is given
    // (the preview's, and the real one when the user prints from the preview). True when
    // the user printed from it.
    virtual bool preview(QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;
};

// The small dialog that asks which pages to print: three choices (optPrintBoth,
// optPrintPuzzle, optPrintKey) and the buttons cmdPreview, cmdPrint and cmdCancel.
class PrintPartsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PrintPartsDialog(PrintParts parts, QWidget *parent = nullptr);

    PrintParts parts() const;
    // What the user chose; Cancel until a button is pressed.
    PrintDialogs::Action action() const { return m_action; }

private:
    QRadioButton *m_both;
    QRadioButton *m_puzzle;
    QRadioButton *m_key;
    PrintDialogs::Action m_action = PrintDialogs::Action::Cancel;
};

// Qt's dialogs, owned by parent.
class QtPrintDialogs : public PrintDialogs
{
public:
    explicit QtPrintDialogs(QWidget *parent = nullptr) : m_parent(parent) {}

    Action chooseParts(PrintParts &parts) override;
    bool setUpPrinter(QPrinter &printer) override;
    bool preview(QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;

private:
    QWidget *m_parent;
};

// The window's print command and what it keeps between runs: the printer with its
// settings and the last choice of pages. A child of the context's parent,
// named "printCommands".
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    explicit PrintCommands(const CommandContext &context);
    ~PrintCommands() override;

    // The dialogs the print command uses (Qt's unless replaced; not owned; nullptr goes
    // back to Qt's).
    void setDialogs(PrintDialogs *dialogs);
    PrintDialogs &dialogs();

    // The printer the command prints on: high resolution, the system's paper with 15 mm
    // margins until the print dialog changes it.
    QPrinter &printer();
    PrintParts lastParts() const { return m_lastParts; }

    // "&Print...": asks which pages, then prints through the print dialog or shows the
    // preview. True when pages went to the printer.
    bool print();

private:
    const CommandContext &m_context;
    QtPrintDialogs m_qtDialogs;
    PrintDialogs *m_dialogs = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    PrintParts m_lastParts = PrintParts::PuzzleAndKey;
};

// The worksheet options for the window's puzzle: the print colours (outlined squares on
// white) and the chosen pages.
WorksheetOptions worksheetOptions(PrintParts parts, QPageSize::PageSizeId paper);

// Paints the puzzle onto printer (any output format, PDF included) with the chosen pages.
// A printer that cannot be started, or a page that cannot, is reported through dialogs
// and gives false.
bool printWorksheet(Dialogs &dialogs, const CrosswordData &puzzle, QPrinter &printer,
                    PrintParts parts);

// "&Print..." (mnuPrint, Ctrl+P) for "&File" in a group of its own. Creates the
// PrintCommands it runs.
QList<WindowCommand> printCommandGroup(const CommandContext &context);

// The PrintCommands made for the window (by printCommandGroup), or nullptr.
PrintCommands *printCommands(QObject &window);

} // namespace Velloquin
