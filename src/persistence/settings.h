// SPDX-License-Identifier: MIT
#pragma once

#include "layoutmethods.h"
#include "message.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace Velloquin {

// The settings file "Crossword.ini": the user's default title, topic, grid size, the
// three puzzle colours and the outline mode, all in the section "Default Settings".
// An empty file is a valid settings file: every key then takes its default.

inline const QString SettingsFileName = QStringLiteral("Crossword.ini");
inline const QString SettingsSection = QStringLiteral("Default Settings");

// Factory colours (colour numbers: red + 256 * green + 65536 * blue).
constexpr qint32 DefaultBackgroundColor = 0;      // black
constexpr qint32 DefaultGridLinesColor = 6381921; // red 97, green 97, blue 97
constexpr qint32 DefaultSquaresColor = 16777215;  // white
constexpr qint16 DefaultGridSize = 16;

// Where the program keeps its files, worked out once at start. Folders end in '/'.
struct AppPaths
{
    QString programFolder;  // the folder of the program file
    QString settingsFolder; // the folder that holds (or will hold) the settings file
    QString settingsFile;   // settingsFolder + "Crossword.ini"
    QString dialogFolder;   // where the open and save dialogs start
};

// Where the settings live. A program installed for everyone (programFolder is one of
// the system's program folders, installedFolder (the install prefix's bin folder), or a
// folder the user does not own) keeps them in configFolder, the per-user configuration
// folder, for every user including root; it is not created here. Any other program
// folder (a build or a portable copy) keeps them beside the program when it already holds
// Crossword.ini or is writable, otherwise in configFolder. The dialogs start beside the
// program when the settings live there, otherwise in documentsFolder.
AppPaths resolveAppPaths(const QString &programFolder, const QString &configFolder,
                         const QString &documentsFolder, const QString &installedFolder);
// The same with the platform's per-user configuration and documents folders and the
// install prefix's bin folder this build was configured for.
AppPaths defaultAppPaths(const QString &programFolder);
// The install prefix's bin folder this build was configured for.
QString installedProgramFolder();

// The refusal of a save when the session has no settings file (AppPaths::settingsFile
// empty: the settings are kept in memory only). Reading an empty path gives the defaults.
Result<> settingsNotKept();

// A folder path with exactly one closing '/'.
QString withTrailingSlash(const QString &folder);

// The word the settings file stores for a layout method ("Classic", "Thorough", "Fit").
QString layoutMethodText(LayoutMethod method);
// "Thorough" or "Fit" in any letter case reads as that method; anything else (a file
// without the key included) as the classic one.
LayoutMethod readLayoutMethod(QStringView text);

// The settings as read. A colour that is missing or empty is nothing: its picker's
// factory colour applies.
struct DefaultSettings
{
    QString title = QStringLiteral("Crossword");
    QString topic;
    qint16 width = DefaultGridSize;
    qint16 height = DefaultGridSize;
    std::optional<qint32> background;
    std::optional<qint32> gridLines;
    std::optional<qint32> squares;
    bool useOutline = false;
    LayoutMethod layoutMethod = LayoutMethod::Classic;
};

// Reads the settings file at path. A missing file or key gives the defaults. When the
// file exists but cannot be read, status (if given) receives the refusal and every value
// takes its default.
DefaultSettings readDefaultSettings(const QString &path, Result<> *status = nullptr);

// A grid size as the file holds it: the number at the start of the text, rounded, in
// 16 bits (out of range is brought to the nearer end; no number reads as 0).
qint16 readSettingsSize(QStringView text);
// A colour number: the number at the start of the text, 32 bits. System colours are
// stored as negative numbers; their unsigned form (up to 4294967295) reads the same.
// Nothing when the text is empty.
std::optional<qint32> readSettingsColor(QStringView text);
// Boolean text: True or False in any letter case, or a number (0 false, any other
// true). Anything else reads as fallback.
bool readBooleanText(QStringView text, bool fallback);
// The word the file stores for a Boolean.
QString booleanText(bool value);

// What a save writes: the four texts as they stand in the window's boxes, the three
// colours, the outline mode and the layout method (nothing: the key is left as it is).
struct SettingsValues
{
    QString title;
    QString topic;
    QString width;
    QString height;
    qint32 background = DefaultBackgroundColor;
    qint32 gridLines = DefaultGridLinesColor;
    qint32 squares = DefaultSquaresColor;
    std::optional<bool> useOutline;
    std::optional<LayoutMethod> layoutMethod;
};

// Writes the values in the order Title, Topic, Width, Height, Background, GridLines,
// Squares, UseOutline, LayoutMethod, keeping whatever else the file holds. The file is replaced
// atomically; a failure leaves it as it was and is reported.
Result<> writeDefaultSettings(const QString &path, const SettingsValues &values);

// The factory values: "Crossword", empty topic, "16" by "16", the given picker default
// colours; UseOutline and LayoutMethod, working preferences, untouched.
SettingsValues factorySettings(qint32 background = DefaultBackgroundColor,
                               qint32 gridLines = DefaultGridLinesColor,
                               qint32 squares = DefaultSquaresColor);

} // namespace Velloquin
