// SPDX-License-Identifier: MIT
#include "zippackage.h"

#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <memory>

namespace Velloquin {

namespace {

QString zipErrorText(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

struct ZipErrorHolder
{
    zip_error_t error;
    ZipErrorHolder() { zip_error_init(&error); }
    ~ZipErrorHolder() { zip_error_fini(&error); }
    ZipErrorHolder(const ZipErrorHolder &) = delete;
    ZipErrorHolder &operator=(const ZipErrorHolder &) = delete;
};

// A refusal of reading or building a package; the exporters show its text under their
// own title.
Result<> refusal(const QString &text)
{
    return Result<>::refused(Message::tr("Zip Package"), text, Icon::Error);
}

} // namespace

void ZipPackage::addEntry(const QString &name, const QByteArray &data)
{
    for (Entry &e : m_entries) {
        if (e.name == name) {
            e.data = data;
            return;
        }
    }
    m_entries.append(Entry{name, data});
}

QStringList ZipPackage::entryNames() const
{
    QStringList names;
    for (const Entry &e : m_entries)
        names.append(e.name);
    return names;
}

QByteArray ZipPackage::entry(const QString &name) const
{
    for (const Entry &e : m_entries) {
        if (e.name == name)
            return e.data;
    }
    return QByteArray();
}

Result<QByteArray> ZipPackage::toBytes() const
{
    ZipErrorHolder ze;
    // The archive is written into a growable memory source; keep a reference to it
    // so it survives zip_close and can be read back.
    zip_source_t *memory = zip_source_buffer_create(nullptr, 0, 0, &ze.error);
    if (!memory)
        return refusal(Message::tr("Could not create the document container: %1")
                           .arg(zipErrorText(&ze.error)));
    zip_t *archive = zip_open_from_source(memory, ZIP_TRUNCATE, &ze.error);
    if (!archive) {
        const QString reason = zipErrorText(&ze.error);
        zip_source_free(memory);
        return refusal(Message::tr("Could not create the document container: %1").arg(reason));
    }
    zip_source_keep(memory);

    // zip_source_buffer does not copy: every entry's bytes (held by m_entries) stay
    // alive until zip_close below.
    for (const Entry &e : m_entries) {
        const QByteArray name = e.name.toUtf8();
        zip_source_t *data =
            zip_source_buffer(archive, e.data.constData(), zip_uint64_t(e.data.size()), 0);
        if (!data || zip_file_add(archive, name.constData(), data,
                                  ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
            if (data)
                zip_source_free(data);
            zip_discard(archive);
            zip_source_free(memory);
            return refusal(Message::tr("Could not add \"%1\" to the document container: %2")
                               .arg(e.name, reason));
        }
    }
    if (zip_close(archive) < 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(memory);
        return refusal(Message::tr("Could not complete the document container: %1").arg(reason));
    }

    QByteArray out;
    bool ok = zip_source_open(memory) == 0;
    if (ok) {
        ok = zip_source_seek(memory, 0, SEEK_END) == 0;
        const zip_int64_t size = ok ? zip_source_tell(memory) : -1;
        ok = ok && size >= 0 && zip_source_seek(memory, 0, SEEK_SET) == 0;
        if (ok) {
            out.resize(qsizetype(size));
            ok = zip_source_read(memory, out.data(), zip_uint64_t(size)) == size;
        }
        zip_source_close(memory);
    }
    zip_source_free(memory);
    if (!ok)
        return refusal(Message::tr("Could not read back the document container."));
    return out;
}

Result<> ZipPackage::writeTo(const QString &path) const
{
    const Result<QByteArray> bytes = toBytes();
    if (!bytes)
        return Result<>::refused(bytes.message());
    // The whole document or nothing: a failure leaves the old file as it was.
    if (const std::optional<QString> reason = writeFileSafely(path, bytes.value()))
        return refusal(
            Message::tr("Could not write \"%1\": %2").arg(QDir::toNativeSeparators(path), *reason));
    return Result<>::success();
}

Result<QMap<QString, QByteArray>> readZipEntries(const QString &path)
{
    int code = 0;
    const QByteArray native = QFile::encodeName(path);
    std::unique_ptr<zip_t, void (*)(zip_t *)> archive(
        zip_open(native.constData(), ZIP_RDONLY, &code), [](zip_t *z) {
            if (z)
                zip_discard(z);
        });
    if (!archive) {
        ZipErrorHolder ze;
        zip_error_init_with_code(&ze.error, code);
        return refusal(Message::tr("Could not open \"%1\": %2")
                           .arg(QFileInfo(path).fileName(), zipErrorText(&ze.error)));
    }
    QMap<QString, QByteArray> entries;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &st) != 0 || !st.name) {
            return refusal(Message::tr("Unreadable entry %1 in \"%2\".").arg(i).arg(path));
        }
        zip_file_t *file = zip_fopen_index(archive.get(), zip_uint64_t(i), 0);
        if (!file) {
            return refusal(
                Message::tr("Could not open entry \"%1\".").arg(QString::fromUtf8(st.name)));
        }
        QByteArray data(qsizetype(st.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(file, data.data(), st.size);
        zip_fclose(file);
        if (got != zip_int64_t(st.size)) {
            return refusal(
                Message::tr("Could not read entry \"%1\".").arg(QString::fromUtf8(st.name)));
        }
        entries.insert(QString::fromUtf8(st.name), data);
    }
    return entries;
}

} // namespace Velloquin
