// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

namespace Velloquin {

// One recovery copy in the data folder, held by this run. Every window keeps its unsaved
// work in a copy of its own ("recovery-<n>.cwd") and holds a lock beside it while it runs,
// so another window never offers, takes or deletes that copy. A copy whose lock nobody
// holds was left by a run that ended without saving (closed or crashed); the next start
// may claim it. The lock goes with this object; the copy stays.
class RecoveryClaim
{
public:
    ~RecoveryClaim();
    RecoveryClaim(const RecoveryClaim &) = delete;
    RecoveryClaim &operator=(const RecoveryClaim &) = delete;

    // The copy's path; the file itself need not exist yet.
    QString path() const { return m_path; }

    // A name for a new copy in folder, locked for this run; null when the folder cannot be
    // made or no lock can be taken there.
    static std::unique_ptr<RecoveryClaim> claimNew(const QString &folder);
    // Takes over a copy left by an earlier run; null when a running window holds it.
    static std::unique_ptr<RecoveryClaim> claimLeftOver(const QString &path);

private:
    RecoveryClaim(QString path, std::unique_ptr<QLockFile> lock);

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The recovery copies in folder, held or not, the most recently written first. Copies set
// aside as unreadable and files half written are not among them.
QStringList recoveryCopiesIn(const QString &folder);

} // namespace Velloquin
