// SPDX-License-Identifier: MIT
#include "drawing.h"
#include "gridedit.h"
#include "picture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Velloquin;

namespace {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor(x * 7 % 256, y * 11 % 256, (x + y) % 256));
    return image;
}

// The fields of a BMP file header and its info header that other programs rely on.
struct BmpHeader
{
    QByteArray magic;
    quint32 fileSize = 0;
    quint32 pixelOffset = 0;
    quint32 infoSize = 0;
    qint32 width = 0;
    qint32 height = 0;
    quint16 planes = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0;
};

BmpHeader readHeader(const QByteArray &bytes)
{
    BmpHeader h;
    if (bytes.size() < 54)
        return h;
    const auto *d = reinterpret_cast<const uchar *>(bytes.constData());
    h.magic = bytes.left(2);
    h.fileSize = qFromLittleEndian<quint32>(d + 2);
    h.pixelOffset = qFromLittleEndian<quint32>(d + 10);
    h.infoSize = qFromLittleEndian<quint32>(d + 14);
    h.width = qFromLittleEndian<qint32>(d + 18);
    h.height = qFromLittleEndian<qint32>(d + 22);
    h.planes = qFromLittleEndian<quint16>(d + 26);
    h.bitsPerPixel = qFromLittleEndian<quint16>(d + 28);
    h.compression = qFromLittleEndian<quint32>(d + 30);
    return h;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void capturesTheRequestedArea_data();
    void capturesTheRequestedArea();
    void captureOfNoSizeIsEmpty();
    void savesStandardBitmapFile_data();
    void savesStandardBitmapFile();
    void bitmapOpensInAnotherProgram();
    void replacesExistingFile();
    void refusesToSaveNothing();
    void keepsOldFileWhenFolderIsMissing();
    void capturedDrawingKeepsHiddenAnswersHidden();
};

void TestPicture::capturesTheRequestedArea_data()
{
    QTest::addColumn<QRect>("area");
    QTest::newRow("whole") << QRect(0, 0, 50, 40);
    QTest::newRow("inside") << QRect(7, 5, 20, 13);
    QTest::newRow("one pixel") << QRect(49, 39, 1, 1);
    QTest::newRow("past the right and bottom") << QRect(40, 30, 20, 20);
    QTest::newRow("before the left and top") << QRect(-5, -3, 10, 10);
}

void TestPicture::capturesTheRequestedArea()
{
    QFETCH(QRect, area);
    const QImage source = pattern(50, 40);
    const QImage captured =
        capturePicture(source, area.left(), area.top(), area.width(), area.height());
    QCOMPARE(captured.size(), area.size());
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QPoint from(area.left() + x, area.top() + y);
            const QColor expected =
                source.rect().contains(from) ? source.pixelColor(from) : QColor(Qt::black);
            QCOMPARE(captured.pixelColor(x, y), expected);
        }
}

void TestPicture::captureOfNoSizeIsEmpty()
{
    QVERIFY(capturePicture(pattern(10, 10), 0, 0, 0, 5).isNull());
    QVERIFY(capturePicture(pattern(10, 10), 0, 0, 5, -1).isNull());
    const QImage fromNothing = capturePicture(QImage(), 0, 0, 3, 2);
    QCOMPARE(fromNothing.size(), QSize(3, 2));
    QCOMPARE(fromNothing.pixelColor(2, 1), QColor(Qt::black));
}

void TestPicture::savesStandardBitmapFile_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("rgb32") << pattern(37, 21);
    QTest::newRow("with alpha") << pattern(16, 9).convertToFormat(QImage::Format_ARGB32);
    QTest::newRow("one pixel") << pattern(1, 1);
}

void TestPicture::savesStandardBitmapFile()
{
    QFETCH(QImage, picture);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tmpCwrd.bmp"));
    QVERIFY(savePictureAsBmp(picture, path).ok());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const BmpHeader h = readHeader(bytes);
    QCOMPARE(h.magic, QByteArray("BM"));
    QCOMPARE(h.fileSize, quint32(bytes.size()));
    QCOMPARE(h.infoSize, quint32(40));
    QCOMPARE(h.width, picture.width());
    QCOMPARE(h.height, picture.height()); // positive: rows stored bottom-up
    QCOMPARE(h.planes, quint16(1));
    QCOMPARE(h.bitsPerPixel, quint16(24));
    QCOMPARE(h.compression, quint32(0));
    const int rowBytes = (picture.width() * 3 + 3) / 4 * 4;
    QCOMPARE(qint64(bytes.size()), qint64(h.pixelOffset) + qint64(rowBytes) * picture.height());
    // The bottom-left pixel comes first, blue, green, red.
    const QColor bottomLeft = picture.pixelColor(0, picture.height() - 1);
    const auto *px = reinterpret_cast<const uchar *>(bytes.constData()) + h.pixelOffset;
    QCOMPARE(int(px[0]), bottomLeft.blue());
    QCOMPARE(int(px[1]), bottomLeft.green());
    QCOMPARE(int(px[2]), bottomLeft.red());

    const QImage back(path);
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32),
             picture.convertToFormat(QImage::Format_RGB32));
}

void TestPicture::bitmapOpensInAnotherProgram()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QVERIFY(savePictureAsBmp(pattern(123, 45), path).ok());
    // The standard library's own reading of the header: size and colour depth.
    const QString script = QStringLiteral("import struct,sys\n"
                                          "d=open(sys.argv[1],'rb').read()\n"
                                          "assert d[:2]==b'BM'\n"
                                          "w,h,p,b=struct.unpack_from('<iiHH',d,18)\n"
                                          "print(w,h,b)\n");
    QProcess process;
    process.start(python, {QStringLiteral("-c"), script, path});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput().trimmed(), QByteArray("123 45 24"));

    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        return;
    QProcess im;
    im.start(identify, {QStringLiteral("-format"), QStringLiteral("%m %w %h"), path});
    QVERIFY(im.waitForFinished(30000));
    QCOMPARE(im.exitCode(), 0);
    // "BMP3" is the Windows 3 form, with the 40-byte info header.
    const QByteArray seen = im.readAllStandardOutput().trimmed();
    QVERIFY2(seen == "BMP3 123 45" || seen == "BMP 123 45", seen.constData());
}

void TestPicture::replacesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tmpCwrd.bmp"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    QVERIFY(savePictureAsBmp(pattern(4, 4), path).ok());
    QCOMPARE(QImage(path).size(), QSize(4, 4));
    QVERIFY(QFileInfo(path).size() < 1000);
}

void TestPicture::refusesToSaveNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.bmp"));
    const Result<> r = savePictureAsBmp(QImage(), path);
    QVERIFY(!r.ok());
    QVERIFY(!r.message().title.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestPicture::keepsOldFileWhenFolderIsMissing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/p.bmp"));
    const Result<> r = savePictureAsBmp(pattern(4, 4), path);
    QVERIFY(!r.ok());
    QVERIFY(r.message().text.contains(QStringLiteral("p.bmp")));
}

void TestPicture::capturedDrawingKeepsHiddenAnswersHidden()
{
    CrosswordData p;
    newCrossword(p, 5, 5);
    QVERIFY(addWord(p, 0, 2, QStringLiteral("HIDE"), Direction::Across, QString(), true,
                    PlacementCheck::SkipRules)
                .ok());
    DrawOptions o;
    o.answersHidden = true;
    numberSquares(p);
    ImageSurface view(QSize(200, 200));
    drawCrossword(p, view, nullptr, nullptr, o);
    const QImage captured = capturePicture(view.image(), 0, 0, 200, 200);
    QCOMPARE(captured, view.image().convertToFormat(QImage::Format_RGB32));
    // Squares 1 to 3 of the word hold no number; with the answers hidden they are plain.
    for (int j = 1; j < 4; ++j)
        for (int y = 81; y < 120; ++y)
            for (int x = j * 40 + 1; x < j * 40 + 40; ++x)
                QCOMPARE(captured.pixelColor(x, y), QColor(Qt::white));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
