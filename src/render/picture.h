// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QImage>
#include <QString>

// A copy of the width x height area at (left, top) of a drawing. Parts outside the
// source come out black; a width or height of 0 or less gives a null image.
QImage Capture_Picture(const QImage &source, int left, int top, int width, int height);

// Writes the picture as a standard uncompressed 24-bit Windows bitmap file, replacing a
// file of that name. The old file stays untouched when the write fails.
Result savePictureAsBmp(const QImage &picture, const QString &path);
