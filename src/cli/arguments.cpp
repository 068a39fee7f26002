// SPDX-License-Identifier: MIT
#include "arguments.h"

#include "commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace Velloquin {

namespace {

// Standard output written straight to its file descriptor, so that the first failed
// write is known with the system's reason (a full disk, a closed pipe).
class StandardOutput : public QIODevice
{
public:
    StandardOutput() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    int failure = 0; // errno of the first write that failed

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        qint64 done = 0;
        while (done < size && failure == 0) {
            const ssize_t n = ::write(STDOUT_FILENO, data + done, size_t(size - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                failure = errno;
            else
                done += n;
        }
        return failure == 0 ? done : -1;
    }
};

StandardOutput &standardOutput()
{
    static StandardOutput device;
    return device;
}

// The temporary files standing for standard input, to name them so in messages.
QStringList &standardInputCopies()
{
    static QStringList paths;
    return paths;
}

// Any reader accepts at most 64 MiB; one byte more lets it say the input is too large.
constexpr qint64 kMaxInputCopy = 64 * 1024 * 1024 + 1;

} // namespace

QTextStream &cliOut()
{
    static QTextStream out(&standardOutput());
    return out;
}

bool CliArguments::has(const char *name) const
{
    return options.contains(QLatin1String(name));
}

std::optional<QString> CliArguments::value(const char *name) const
{
    const auto it = options.constFind(QLatin1String(name));
    if (it == options.cend())
        return std::nullopt;
    return *it;
}

std::optional<CliArguments> parseArguments(const QStringList &args, const char *optionList,
                                           QString &error)
{
    QHash<QString, bool> known; // option name to "takes a value"
    for (const QString &entry :
         QString::fromLatin1(optionList).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool takesValue = entry.endsWith(QLatin1Char('='));
        known.insert(takesValue ? entry.chopped(1) : entry, takesValue);
    }
    known.insert(QStringLiteral("--help"), false);

    CliArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--")) {
            parsed.positional += args.mid(i + 1);
            break;
        }
        if (arg == QLatin1String("-h")) {
            parsed.help = true;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            parsed.positional << arg;
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        const auto option = known.constFind(name);
        if (option == known.cend()) {
            error = QStringLiteral("unknown option %1").arg(name);
            return std::nullopt;
        }
        if (!*option) {
            if (equals >= 0) {
                error = QStringLiteral("%1 takes no value").arg(name);
                return std::nullopt;
            }
            parsed.options.insert(name, QString());
        } else if (equals >= 0) {
            parsed.options.insert(name, arg.mid(equals + 1));
        } else if (i + 1 < args.size()) {
            // The next argument is the value whatever it looks like: "--title -reverse".
            parsed.options.insert(name, args.at(++i));
        } else {
            error = QStringLiteral("%1 needs a value").arg(name);
            return std::nullopt;
        }
    }
    parsed.help = parsed.help || parsed.options.contains(QStringLiteral("--help"));
    return parsed;
}

bool namesStandardInput(const QString &name)
{
    return name == QLatin1String("-") || name == QLatin1String("/dev/stdin") ||
           name == QLatin1String("/dev/fd/0");
}

bool namesStandardOutput(const QString &name)
{
    return name == QLatin1String("-") || name == QLatin1String("/dev/stdout") ||
           name == QLatin1String("/dev/fd/1");
}

QString shownName(const QString &name)
{
    if (name == QLatin1String("-"))
        return QStringLiteral("standard input");
    return QDir::toNativeSeparators(name);
}

QString withShownNames(const QString &text)
{
    QString shown = text;
    for (const QString &copy : std::as_const(standardInputCopies()))
        shown.replace(QDir::toNativeSeparators(copy), QStringLiteral("standard input"));
    return shown;
}

InputFile::InputFile(const QString &name) : m_name(name), m_path(name) {}

InputFile::~InputFile()
{
    if (m_copy)
        standardInputCopies().removeAll(m_copy->fileName());
}

std::optional<int> InputFile::open()
{
    if (!namesStandardInput(m_name) || m_copy)
        return std::nullopt;
    m_copy = std::make_unique<QTemporaryFile>();
    QFile in;
    if (!m_copy->open() || !in.open(STDIN_FILENO, QIODevice::ReadOnly)) {
        return usageError(
            QStringLiteral("standard input cannot be read: %1").arg(m_copy->errorString()));
    }
    qint64 copied = 0;
    QByteArray chunk;
    while (copied < kMaxInputCopy) {
        chunk = in.read(qMin<qint64>(1 << 20, kMaxInputCopy - copied));
        if (chunk.isEmpty())
            break;
        if (m_copy->write(chunk) != chunk.size())
            return usageError(
                QStringLiteral("standard input cannot be copied: %1").arg(m_copy->errorString()));
        copied += chunk.size();
    }
    if (in.error() != QFileDevice::NoError)
        return usageError(
            QStringLiteral("standard input cannot be read: %1").arg(in.errorString()));
    m_copy->close();
    m_path = m_copy->fileName();
    standardInputCopies() << m_path;
    return std::nullopt;
}

OutputFile::OutputFile(const QString &name, const QString &suffix) : m_path(name)
{
    if (!namesStandardOutput(name))
        return;
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("standard-output.") + suffix);
}

OutputFile::~OutputFile() = default;

int OutputFile::finish()
{
    if (!m_dir)
        return ExitOk;
    QFile written(m_path);
    if (!written.open(QIODevice::ReadOnly))
        return usageError(
            QStringLiteral("the output could not be read back: %1").arg(written.errorString()));
    writeStandardOutput(written.readAll());
    return ExitOk;
}

QString outputFormat(const CliArguments &args, const QString &output)
{
    if (const std::optional<QString> format = args.value("--format"))
        return format->toLower();
    if (namesStandardOutput(output))
        return QString();
    const QString name = QFileInfo(output).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1).toLower() : QString();
}

void writeStandardOutput(const QByteArray &bytes)
{
    cliOut().flush();
    standardOutput().write(bytes);
}

int finishStandardOutput(int status)
{
    cliOut().flush();
    if (const int failure = standardOutput().failure) {
        cliErr() << "velloquin-cli: standard output could not be written: "
                 << QString::fromLocal8Bit(std::strerror(failure)) << '\n';
        cliErr().flush();
        return ExitRefused;
    }
    return status;
}

} // namespace Velloquin
