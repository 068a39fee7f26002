// SPDX-License-Identifier: MIT
// The one options parser of every subcommand, and the files a command reads and writes,
// where "-" stands for standard input or standard output.
#pragma once

#include <QHash>
#include <QStringList>

#include <memory>
#include <optional>

class QTemporaryDir;
class QTemporaryFile;

namespace Velloquin {

// A subcommand's arguments, parsed. Options are long ("--width 9" or "--width=9");
// "--" ends them, so that everything after it is a plain argument. A single "-" and any
// other word starting with one dash ("-reverse", "-3") is a plain argument too, except
// "-h", which asks for help.
struct CliArguments
{
    QStringList positional;
    QHash<QString, QString> options; // "--name" to its value ("" for a flag); the last wins
    bool help = false;

    bool has(const char *name) const;
    std::optional<QString> value(const char *name) const;
};

// Parses args for a command whose options are listed in optionList, blank-separated: "--name"
// for a flag, "--name=" for an option that takes a value ("--help" is always known).
// Nothing, with the reason in error, for an unknown option, a value missing or given to
// a flag.
std::optional<CliArguments> parseArguments(const QStringList &args, const char *optionList,
                                           QString &error);

// True for the names that stand for standard input ("-", /dev/stdin) and standard
// output ("-", /dev/stdout).
bool namesStandardInput(const QString &name);
bool namesStandardOutput(const QString &name);

// What messages call a file named on the command line: standard input and output by
// those words, any other file by its full path.
QString shownName(const QString &name);

// text with the temporary copies of standard input called "standard input".
QString withShownNames(const QString &text);

// An input named on the command line. Standard input is copied to a temporary file (up
// to a little over what any reader accepts), so that every reader gets a regular file
// and messages about it speak of standard input.
class InputFile
{
public:
    explicit InputFile(const QString &name);
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    // Copies standard input when it is named; on failure prints why and gives ExitUsage.
    std::optional<int> open();
    // The file to read.
    QString path() const { return m_path; }
    const QString &name() const { return m_name; }

private:
    QString m_name;
    QString m_path;
    std::unique_ptr<QTemporaryFile> m_copy;
};

// An output named on the command line. Standard output is written to a file in a
// temporary folder first (the writers replace files whole) and copied out after a
// successful write.
class OutputFile
{
public:
    // suffix: the format's file name ending, without the dot, for the temporary file.
    OutputFile(const QString &name, const QString &suffix);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    QString path() const { return m_path; }
    bool toStandardOutput() const { return bool(m_dir); }
    // After the writer succeeded: copies the file to standard output (exit status).
    int finish();

private:
    QString m_path;
    std::unique_ptr<QTemporaryDir> m_dir;
};

// The format an output is written in: --format when given, otherwise the name's
// extension, in lower case; empty when neither tells.
QString outputFormat(const CliArguments &args, const QString &output);

// Writes bytes to standard output after the text already written there.
void writeStandardOutput(const QByteArray &bytes);

// Flushes standard output; when any write to it failed, prints the system's reason and
// returns ExitRefused, otherwise status.
int finishStandardOutput(int status);

} // namespace Velloquin
