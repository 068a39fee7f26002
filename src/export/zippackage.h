// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace Velloquin {

// A zip container built in memory and written to disk in one step. Entries keep the
// order in which they were added (some readers want [Content_Types].xml first).
class ZipPackage
{
public:
    // Adds an entry, or replaces the content of one with the same name. Names are
    // relative, use '/' and are case-sensitive.
    void addEntry(const QString &name, const QByteArray &data);

    QStringList entryNames() const;
    // The content of an entry; empty when there is none of that name.
    QByteArray entry(const QString &name) const;
    bool isEmpty() const { return m_entries.isEmpty(); }

    // The whole archive as bytes (deflated entries); refuses when the container could not
    // be built.
    Result<QByteArray> toBytes() const;

    // Writes the archive to path through a temporary file in the same folder that
    // replaces the target only when everything was written, so a failure leaves
    // no partial file behind (and an existing file untouched).
    Result<> writeTo(const QString &path) const;

private:
    struct Entry
    {
        QString name;
        QByteArray data;
    };
    QList<Entry> m_entries;
};

// Reads every entry of a zip file into memory (name -> content). Refuses when the file is
// missing or not a readable zip archive.
Result<QMap<QString, QByteArray>> readZipEntries(const QString &path);

} // namespace Velloquin
