// SPDX-License-Identifier: MIT
#include "picture.h"

#include "safefile.h"

#include <QBuffer>
#include <QDir>

#include <algorithm>

namespace Velloquin {

namespace {

Result<> cannotSave(const QString &path, const QString &reason)
{
    return Result<>::refused(Message::tr("Save Picture"),
                             Message::tr("The picture could not be saved as %1:\n%2")
                                 .arg(QDir::toNativeSeparators(path), reason),
                             Icon::Error);
}

} // namespace

QImage capturePicture(const QImage &source, int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::black);
    if (!source.isNull()) {
        const QRect wanted(left, top, width, height);
        const QRect inside = wanted.intersected(source.rect());
        if (!inside.isEmpty()) {
            const QImage part = source.copy(inside).convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < part.height(); ++y) {
                const auto *from = reinterpret_cast<const QRgb *>(part.constScanLine(y));
                auto *to = reinterpret_cast<QRgb *>(picture.scanLine(inside.top() - top + y));
                std::copy(from, from + part.width(), to + (inside.left() - left));
            }
        }
        picture.setDotsPerMeterX(source.dotsPerMeterX());
        picture.setDotsPerMeterY(source.dotsPerMeterY());
    }
    return picture;
}

Result<> savePictureAsBmp(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return cannotSave(path, Message::tr("There is no picture to save."));
    // RGB32 has no alpha channel, so the writer produces a plain 24-bit bitmap.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (const std::optional<QString> reason = writePictureSafely(rgb, path, "BMP"))
        return cannotSave(path, *reason);
    return Result<>::success();
}

std::optional<QString> writePictureSafely(const QImage &picture, const QString &path,
                                          const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, format))
        return Message::tr("The picture could not be encoded.");
    buffer.close();
    return writeFileSafely(path, bytes);
}

Message pictureNotSaved(const QString &path, const QString &reason)
{
    // As the picture writer of the BMP files words it.
    return Message{QStringLiteral("Save Picture"),
                   QStringLiteral("The picture could not be saved as %1:\n%2")
                       .arg(QDir::toNativeSeparators(path), reason),
                   Icon::Error};
}

} // namespace Velloquin
