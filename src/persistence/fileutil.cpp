// SPDX-License-Identifier: MIT
#include "fileutil.h"

#include <QFileInfo>

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(path);
}
