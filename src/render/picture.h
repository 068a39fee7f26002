// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QImage>
#include <QString>

#include <optional>

namespace Velloquin {

// A copy of the width x height area at (left, top) of a drawing. Parts outside the
// source come out black; a width or height of 0 or less gives a null image.
QImage capturePicture(const QImage &source, int left, int top, int width, int height);

// Writes the picture as a standard uncompressed 24-bit Windows bitmap file, replacing a
// file of that name. The old file stays untouched when the write fails.
Result<> savePictureAsBmp(const QImage &picture, const QString &path);

// Encodes the picture in format ("PNG", "BMP") and writes it through writeFileSafely:
// nothing on success, otherwise the reason (the system's, for a failed write); the old
// file then stays as it was.
std::optional<QString> writePictureSafely(const QImage &picture, const QString &path,
                                          const char *format);

// The refusal of a picture that could not be saved as path, for the system's reason.
Message pictureNotSaved(const QString &path, const QString &reason);

} // namespace Velloquin
