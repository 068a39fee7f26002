// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// True when something exists at path (a file, or a folder); an empty path gives false.
bool FileExists(const QString &path);
