// SPDX-License-Identifier: MIT
#include "settings.h"

#include "fileutil.h"
#include "numberreading.h"
#include "profilefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <limits>

#include <unistd.h>

namespace Velloquin {

QString withTrailingSlash(const QString &folder)
{
    QString result = QDir::fromNativeSeparators(folder);
    while (result.size() > 1 && result.endsWith(QLatin1Char('/')))
        result.chop(1);
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

namespace {

bool folderWritable(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool sameFolder(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// A folder programs are installed into for everyone. Root owns and can write to these,
// so ownership alone would take /usr/bin for a portable folder when root starts the
// program, and one start would change every user's settings.
bool systemProgramFolder(const QString &folder, const QString &installedFolder)
{
    for (const char *system :
         {"/usr/bin", "/usr/local/bin", "/bin", "/usr/games", "/usr/local/games"}) {
        if (sameFolder(folder, QLatin1String(system)))
            return true;
    }
    if (!installedFolder.isEmpty() && sameFolder(folder, installedFolder))
        return true;
    // A staged or unpacked install (DESTDIR, a package's files) keeps the prefix's layout.
    const QString installed = withTrailingSlash(installedFolder);
    if (installed.size() > 1 && withTrailingSlash(folder).endsWith(installed))
        return true;
    const QFileInfo info(folder);
    return info.exists() && info.ownerId() != ::geteuid();
}

} // namespace

Result<> settingsNotKept()
{
    return Result<>::refused(QStringLiteral("Velloquin"),
                             Message::tr("The settings cannot be saved: no settings file "
                                         "could be created at the start of this session."),
                             Icon::Warning);
}

AppPaths resolveAppPaths(const QString &programFolder, const QString &configFolder,
                         const QString &documentsFolder, const QString &installedFolder)
{
    AppPaths paths;
    paths.programFolder = withTrailingSlash(programFolder);
    const bool beside =
        !systemProgramFolder(paths.programFolder, installedFolder) &&
        (fileExists(paths.programFolder + SettingsFileName) || folderWritable(paths.programFolder));
    paths.settingsFolder = beside ? paths.programFolder : withTrailingSlash(configFolder);
    paths.settingsFile = paths.settingsFolder + SettingsFileName;
    paths.dialogFolder = beside ? paths.programFolder : withTrailingSlash(documentsFolder);
    return paths;
}

QString installedProgramFolder()
{
    return QStringLiteral(VELLOQUIN_INSTALL_BINDIR);
}

AppPaths defaultAppPaths(const QString &programFolder)
{
    return resolveAppPaths(programFolder,
                           QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                           installedProgramFolder());
}

qint16 readSettingsSize(QStringView text)
{
    return qint16(readLenientNumberClamped(text, std::numeric_limits<qint16>::min(),
                                           std::numeric_limits<qint16>::max()));
}

std::optional<qint32> readSettingsColor(QStringView text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const qint64 value = readLenientNumberClamped(text, std::numeric_limits<qint32>::min(),
                                                  std::numeric_limits<quint32>::max());
    // The unsigned form of a system colour (2147483653 for 80000005) wraps to the same
    // 32-bit number as its signed form.
    return qint32(quint32(quint64(value)));
}

bool readBooleanText(QStringView text, bool fallback)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = readStrictNumber(t, std::numeric_limits<qint64>::min() / 2,
                                             std::numeric_limits<qint64>::max() / 2))
        return *number != 0;
    return fallback;
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString layoutMethodText(LayoutMethod method)
{
    return layoutMethodInfo(method).settingsText;
}

LayoutMethod readLayoutMethod(QStringView text)
{
    const LayoutMethodInfo *info = findLayoutMethod(text.trimmed());
    return info ? info->method : LayoutMethod::Classic;
}

DefaultSettings readDefaultSettings(const QString &path, Result<> *status)
{
    DefaultSettings settings;
    ProfileFile file;
    // No settings file (none could be made): the defaults.
    const Result<> loaded = path.isEmpty() ? Result<>::success() : file.load(path);
    if (status)
        *status = loaded;
    if (!loaded)
        return settings;
    auto text = [&](const QString &key, const QString &fallback) {
        return file.value(SettingsSection, key, fallback);
    };
    settings.title = text(QStringLiteral("Title"), QStringLiteral("Crossword"));
    settings.topic = text(QStringLiteral("Topic"), QString());
    settings.useOutline =
        readBooleanText(text(QStringLiteral("UseOutline"), QStringLiteral("False")), false);
    settings.width = readSettingsSize(text(QStringLiteral("Width"), QStringLiteral("16")));
    settings.height = readSettingsSize(text(QStringLiteral("Height"), QStringLiteral("16")));
    settings.background = readSettingsColor(text(QStringLiteral("Background"), QString()));
    settings.gridLines = readSettingsColor(text(QStringLiteral("GridLines"), QString()));
    settings.squares = readSettingsColor(text(QStringLiteral("Squares"), QString()));
    settings.layoutMethod = readLayoutMethod(text(QStringLiteral("LayoutMethod"), QString()));
    return settings;
}

Result<> writeDefaultSettings(const QString &path, const SettingsValues &values)
{
    if (path.isEmpty())
        return settingsNotKept();
    ProfileFile file;
    if (const Result<> loaded = file.load(path); !loaded)
        return loaded;
    file.setValue(SettingsSection, QStringLiteral("Title"), values.title);
    file.setValue(SettingsSection, QStringLiteral("Topic"), values.topic);
    file.setValue(SettingsSection, QStringLiteral("Width"), values.width);
    file.setValue(SettingsSection, QStringLiteral("Height"), values.height);
    file.setValue(SettingsSection, QStringLiteral("Background"),
                  QString::number(values.background));
    file.setValue(SettingsSection, QStringLiteral("GridLines"), QString::number(values.gridLines));
    file.setValue(SettingsSection, QStringLiteral("Squares"), QString::number(values.squares));
    if (values.useOutline)
        file.setValue(SettingsSection, QStringLiteral("UseOutline"),
                      booleanText(*values.useOutline));
    if (values.layoutMethod)
        file.setValue(SettingsSection, QStringLiteral("LayoutMethod"),
                      layoutMethodText(*values.layoutMethod));
    return file.save(path);
}

SettingsValues factorySettings(qint32 background, qint32 gridLines, qint32 squares)
{
    SettingsValues values;
    values.title = QStringLiteral("Crossword");
    values.width = QStringLiteral("16");
    values.height = QStringLiteral("16");
    values.background = background;
    values.gridLines = gridLines;
    values.squares = squares;
    return values;
}

} // namespace Velloquin
