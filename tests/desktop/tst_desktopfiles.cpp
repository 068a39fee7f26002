// SPDX-License-Identifier: MIT
// What "cmake --install" puts on the desktop, installed into a folder of its own and
// checked with the tools the desktop itself uses: desktop-file-validate, appstreamcli,
// update-mime-database, Qt's MIME database, man, and bash-completion.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kAppId = QStringLiteral("io.github.velloquin.Velloquin");
const QString kMimeType = QStringLiteral("application/x-velloquin-crossword");

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run r;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        r.err = QStringLiteral("did not finish: ") + process.errorString();
        return r;
    }
    r.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool inCi()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

} // namespace

// A checking tool that is missing skips the check on a developer's machine and fails it
// in CI, where tools/setup.sh installs every tool.
#define REQUIRE_TOOL(name)                                                                         \
    do {                                                                                           \
        if (QStandardPaths::findExecutable(QStringLiteral(name)).isEmpty()) {                      \
            if (inCi())                                                                            \
                QFAIL(name " is missing; tools/setup.sh test installs it");                        \
            QSKIP(name " is not installed (bash tools/setup.sh test installs it)");                \
        }                                                                                          \
    } while (false)

class TestDesktopFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_prefix;
    QString share(const QString &path) const { return m_prefix.filePath("share/" + path); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        const Run install = run(QStringLiteral(VELLOQUIN_CMAKE),
                                {"--install", VELLOQUIN_BUILD_DIR, "--prefix", m_prefix.path()});
        QVERIFY2(install.status == 0, qPrintable(install.out + install.err));
    }

    void installsFilesWhereTheDesktopLooks_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList paths{
            "bin/velloquin",
            "bin/velloquin-cli",
            "share/applications/" + kAppId + ".desktop",
            "share/metainfo/" + kAppId + ".metainfo.xml",
            "share/mime/packages/velloquin.xml",
            "share/icons/hicolor/scalable/apps/velloquin.svg",
            "share/man/man1/velloquin.1.gz",
            "share/man/man1/velloquin-cli.1.gz",
            "share/bash-completion/completions/velloquin-cli",
            "share/doc/velloquin/copyright",
            "share/doc/velloquin/changelog.gz",
        };
        for (const QString &path : paths)
            QTest::newRow(qPrintable(path)) << path;
    }

    void installsFilesWhereTheDesktopLooks()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(m_prefix.filePath(path)).size() > 0, qPrintable(path));
    }

    void bitmapIconsHaveTheirSize()
    {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString path =
                share(QStringLiteral("icons/hicolor/%1x%1/apps/velloquin.png").arg(size));
            const QImage icon(path);
            QVERIFY2(!icon.isNull(), qPrintable(path));
            QCOMPARE(icon.size(), QSize(size, size));
            // The rounded corner is transparent, the middle is drawn.
            QVERIFY(qAlpha(icon.pixel(0, 0)) < 64);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }

    void validatorsAcceptFiles_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry")
            << "desktop-file-validate" << QStringList{share("applications/" + kAppId + ".desktop")};
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{"validate", "--no-net",
                                                 share("metainfo/" + kAppId + ".metainfo.xml")};
        QTest::newRow("mime package")
            << "xmllint" << QStringList{"--noout", share("mime/packages/velloquin.xml")};
        for (const char *page : {"velloquin", "velloquin-cli"}) {
            QTest::newRow(page) << "man"
                                << QStringList{"--warnings", "-E", "UTF-8", "-l",
                                               share(QStringLiteral("man/man1/%1.1.gz").arg(page))};
        }
        QTest::newRow("completion")
            << "bash" << QStringList{"-n", share("bash-completion/completions/velloquin-cli")};
    }

    // Each tool exits with success and has nothing to complain about (desktop-file-validate
    // and man print their complaints without failing).
    void validatorsAcceptFiles()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        if (tool == QLatin1String("desktop-file-validate"))
            REQUIRE_TOOL("desktop-file-validate");
        else if (tool == QLatin1String("appstreamcli"))
            REQUIRE_TOOL("appstreamcli");
        else if (tool == QLatin1String("xmllint"))
            REQUIRE_TOOL("xmllint");
        else if (tool == QLatin1String("man"))
            REQUIRE_TOOL("man");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MANWIDTH", "80");
        env.insert("LC_ALL", "C.UTF-8");
        const Run r = run(QStandardPaths::findExecutable(tool), arguments, env);
        QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
        if (tool != QLatin1String("appstreamcli")) // it prints its verdict
            QVERIFY2(r.err.isEmpty() && (tool == "man" || r.out.isEmpty()),
                     qPrintable(r.out + r.err));
        if (tool == QLatin1String("man"))
            QVERIFY(r.out.contains(QStringLiteral("EXIT STATUS")));
    }

    // File managers learn the puzzle file's type from the MIME package: by its name, and by
    // its [Grid] section when the name does not tell.
    void mimeTypeRecognisesPuzzleFiles()
    {
        REQUIRE_TOOL("update-mime-database");
        const Run update =
            run(QStandardPaths::findExecutable("update-mime-database"), {"-V", share("mime")});
        QVERIFY2(update.status == 0, qPrintable(update.out + update.err));
        QVERIFY2(!update.err.contains("Error", Qt::CaseInsensitive), qPrintable(update.err));
        QVERIFY(QFile::exists(share("mime/mime.cache")));

        // Qt reads the MIME database from the data folders on first use.
        qputenv("XDG_DATA_DIRS", (m_prefix.filePath("share") + ":/usr/share").toLocal8Bit());
        const QString named = m_prefix.filePath("animals.cwd");
        const QString unnamed = m_prefix.filePath("animals");
        QVERIFY(QFile::copy(QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd"), named));
        QVERIFY(QFile::copy(QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd"), unnamed));
        QMimeDatabase db;
        const QMimeType byName = db.mimeTypeForFile(named);
        QCOMPARE(byName.name(), kMimeType);
        QCOMPARE(byName.iconName(), QStringLiteral("velloquin"));
        QVERIFY(byName.inherits(QStringLiteral("text/plain")));
        QCOMPARE(db.mimeTypeForFile(unnamed, QMimeDatabase::MatchContent).name(), kMimeType);
        QCOMPARE(db.mimeTypeForData(QByteArray("Title=Animals\r\n")).name(),
                 QStringLiteral("text/plain"));

        // And the desktop entry offers to open that type with the file as argument.
        const QByteArray entry = readAll(share("applications/" + kAppId + ".desktop"));
        QVERIFY(entry.contains("\nMimeType=" + kMimeType.toLatin1() + ";\n"));
        QVERIFY(entry.contains("\nExec=velloquin %f\n"));
    }

    void completionOffersCommandsOptionsAndFiles_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("expected");
        QTest::newRow("command") << QStringList{"ge"} << "generate";
        QTest::newRow("word list for make") << QStringList{"make", ""} << "words.txt";
        QTest::newRow("puzzle after the list")
            << QStringList{"make", "words.txt", ""} << "animals.cwd";
        QTest::newRow("ipuz to import") << QStringList{"import", ""} << "puzzle.ipuz";
        QTest::newRow("layout options") << QStringList{"generate", "animals.cwd", "--"}
                                        << "--budget-ms --fit --help --partial --seed --thorough";
        QTest::newRow("direction")
            << QStringList{"add", "animals.cwd", "1", "2", ""} << "across down";
        QTest::newRow("paper") << QStringList{"export", "animals.cwd", "--paper", ""}
                               << "a4 letter";
    }

    void completionOffersCommandsOptionsAndFiles()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, expected);
        REQUIRE_TOOL("bash");
        const QString library = QStringLiteral("/usr/share/bash-completion/bash_completion");
        if (!QFile::exists(library)) {
            if (inCi())
                QFAIL("bash-completion is missing; tools/setup.sh test installs it");
            QSKIP("bash-completion is not installed");
        }
        QTemporaryDir folder;
        for (const char *name : {"animals.cwd", "words.txt", "puzzle.ipuz", "sheet.pdf"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        const QString script = QStringLiteral(
            "source \"$1\"; source \"$2\"; shift 2\n"
            "COMP_WORDS=(velloquin-cli \"$@\"); COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))\n"
            "COMP_LINE=\"${COMP_WORDS[*]}\"; COMP_POINT=${#COMP_LINE}\n"
            "_velloquin_cli velloquin-cli \"${COMP_WORDS[COMP_CWORD]}\" "
            "\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
            "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
        QProcess bash;
        bash.setWorkingDirectory(folder.path());
        bash.start(QStringLiteral("bash"),
                   QStringList{"-c", script, "bash", library,
                               share("bash-completion/completions/velloquin-cli")} +
                       words);
        QVERIFY(bash.waitForFinished(30000));
        QStringList offered = QString::fromUtf8(bash.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        offered.sort();
        QCOMPARE(offered.join(QLatin1Char(' ')), expected);
    }
};

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
