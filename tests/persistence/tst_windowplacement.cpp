// SPDX-License-Identifier: MIT
#include "settings.h"
#include "windowplacement.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void readsItsOwnSection_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("maximized");
        const QByteArray settings = "[Default Settings]\r\nWidth=12\r\n";
        QTest::newRow("file from before") << settings << false << QRect() << false;
        QTest::newRow("placed") << settings + "[Window]\r\nLeft=-8\r\nTop=30\r\nWidth=900\r\n"
                                              "Height=700\r\nMaximized=False\r\n"
                                << true << QRect(-8, 30, 900, 700) << false;
        QTest::newRow("maximised") << QByteArray("[Window]\r\nLeft=10\r\nTop=20\r\nWidth=800\r\n"
                                                 "Height=600\r\nMaximized=true\r\n")
                                   << true << QRect(10, 20, 800, 600) << true;
        QTest::newRow("no maximised key") << QByteArray("[Window]\r\nLeft=1\r\nTop=2\r\nWidth=3\r\n"
                                                        "Height=4\r\n")
                                          << true << QRect(1, 2, 3, 4) << false;
        QTest::newRow("size missing") << QByteArray("[Window]\r\nLeft=1\r\nTop=2\r\nWidth=3\r\n")
                                      << false << QRect() << false;
        QTest::newRow("size not a number")
            << QByteArray("[Window]\r\nLeft=1\r\nTop=2\r\nWidth=3x\r\nHeight=4\r\n") << false
            << QRect() << false;
        QTest::newRow("size zero") << QByteArray("[Window]\r\nLeft=1\r\nTop=2\r\nWidth=0\r\n"
                                                 "Height=4\r\n")
                                   << false << QRect() << false;
        QTest::newRow("beyond any screen")
            << QByteArray("[Window]\r\nLeft=1\r\nTop=2\r\nWidth=99999999\r\nHeight=4\r\n") << false
            << QRect() << false;
    }

    void readsItsOwnSection()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, found);
        QFETCH(QRect, geometry);
        QFETCH(bool, maximized);
        QTemporaryDir dir;
        const QString path = dir.filePath(SettingsFileName);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();

        const std::optional<WindowPlacement> placement = readWindowPlacement(path);
        QCOMPARE(placement.has_value(), found);
        if (found)
            QCOMPARE(*placement, (WindowPlacement{geometry, maximized}));
    }

    void writingKeepsTheDefaultSettings()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(SettingsFileName);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Default Settings]\r\nTitle=Quiz\r\nWidth=12\r\n");
        f.close();

        const WindowPlacement placement{QRect(5, 6, 700, 650), true};
        QVERIFY(writeWindowPlacement(path, placement).ok());
        QVERIFY(writeWindowPlacement(path, placement).ok()); // the section is replaced
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Default Settings]\r\nTitle=Quiz\r\nWidth=12\r\n"
                                         "[Window]\r\nLeft=5\r\nTop=6\r\nWidth=700\r\n"
                                         "Height=650\r\nMaximized=True\r\nWordsPanel=True\r\n"));
        QCOMPARE(readWindowPlacement(path), std::optional<WindowPlacement>(placement));
        QCOMPARE(readDefaultSettings(path).width, qint16(12));
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
