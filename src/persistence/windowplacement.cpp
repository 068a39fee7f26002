// SPDX-License-Identifier: MIT
#include "windowplacement.h"

#include "numberreading.h"
#include "profilefile.h"
#include "settings.h"

namespace Velloquin {

namespace {

const QString LeftKey = QStringLiteral("Left");
const QString TopKey = QStringLiteral("Top");
const QString WidthKey = QStringLiteral("Width");
const QString HeightKey = QStringLiteral("Height");
const QString MaximizedKey = QStringLiteral("Maximized");
const QString WordsPanelKey = QStringLiteral("WordsPanel");

// Far beyond any screen, but keeps sums of position and size inside an int.
constexpr qint64 Limit = 1 << 20;

} // namespace

std::optional<WindowPlacement> readWindowPlacement(const QString &path)
{
    ProfileFile file;
    if (!file.load(path) || !file.hasSection(WindowSection))
        return std::nullopt;
    auto number = [&](const QString &key, qint64 min) -> std::optional<qint64> {
        const std::optional<QString> text = file.value(WindowSection, key);
        return text ? readStrictNumber(*text, min, Limit) : std::nullopt;
    };
    const auto left = number(LeftKey, -Limit);
    const auto top = number(TopKey, -Limit);
    const auto width = number(WidthKey, 1);
    const auto height = number(HeightKey, 1);
    if (!left || !top || !width || !height)
        return std::nullopt;
    WindowPlacement placement;
    placement.geometry = QRect(int(*left), int(*top), int(*width), int(*height));
    placement.maximized =
        readBooleanText(file.value(WindowSection, MaximizedKey, QStringLiteral("False")), false);
    placement.wordsShown =
        readBooleanText(file.value(WindowSection, WordsPanelKey, QStringLiteral("True")), true);
    return placement;
}

Result<> writeWindowPlacement(const QString &path, const WindowPlacement &placement)
{
    if (path.isEmpty())
        return settingsNotKept();
    ProfileFile file;
    if (const Result<> loaded = file.load(path); !loaded)
        return loaded;
    const QRect &g = placement.geometry;
    file.setValue(WindowSection, LeftKey, QString::number(g.x()));
    file.setValue(WindowSection, TopKey, QString::number(g.y()));
    file.setValue(WindowSection, WidthKey, QString::number(g.width()));
    file.setValue(WindowSection, HeightKey, QString::number(g.height()));
    file.setValue(WindowSection, MaximizedKey, booleanText(placement.maximized));
    file.setValue(WindowSection, WordsPanelKey, booleanText(placement.wordsShown));
    return file.save(path);
}

} // namespace Velloquin
