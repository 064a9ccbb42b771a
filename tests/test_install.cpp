// The installed program and the Debian package: the tree they lay out, the
// desktop's own checkers on its files, and the installed program at work.
#include "test_script_support.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

using testing::Run;
using testing::RunProgram;

namespace {

const QString kId = QStringLiteral(QUORLIN_APP_ID);

// What the installed program is run with, and its script as the build writes it.
const QStringList kGenerate = {QStringLiteral("generate"), QStringLiteral("--set"),     QStringLiteral("Check8=1"),
                               QStringLiteral("--click"),  QStringLiteral("Command21"), QStringLiteral("--date"),
                               QStringLiteral("2024/5/1")};

QString Explain(const Run &run) { return QString::fromUtf8(run.out + run.err); }

// The file below `root` that the program installs under `relative`
// (anywhere below usr/lib for the module, whose folder depends on the machine).
QString Find(const QString &root, const QString &relative)
{
    if (QFileInfo::exists(root + relative))
        return root + relative;
    QDirIterator it(root + QStringLiteral("/usr/lib"), {QFileInfo(relative).fileName()}, QDir::Files,
                    QDirIterator::Subdirectories);
    return it.hasNext() ? it.next() : QString();
}

// Checks the tree below `root` (installed with the prefix /usr): every file
// there and valid by the desktop's checkers, and the installed program
// writing what the build writes and finding its window's module.
void CheckTree(const QString &root)
{
    const QString share = root + QStringLiteral("/usr/share/");
    const QString desktop = share + QStringLiteral("applications/") + kId + QStringLiteral(".desktop");
    const QString metainfo = share + QStringLiteral("metainfo/") + kId + QStringLiteral(".metainfo.xml");
    const QString mime = share + QStringLiteral("mime/packages/") + kId + QStringLiteral(".xml");
    const QString man = share + QStringLiteral("man/man1/quorlin.1");
    for (const QString &file :
         {desktop, metainfo, mime, man, share + QStringLiteral("icons/hicolor/scalable/apps/") + kId + ".svg",
          share + QStringLiteral("icons/hicolor/48x48/apps/") + kId + ".png",
          share + QStringLiteral("icons/hicolor/256x256/apps/") + kId + ".png"})
        QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
    QVERIFY(!Find(root, QStringLiteral("/usr/lib/quorlin/libquorlin_window.so")).isEmpty());
    QVERIFY(!Find(root, QStringLiteral("/usr/lib/quorlin/libquorlin_drawing.so")).isEmpty());

    const QList<QStringList> checkers = {
        {QStringLiteral("desktop-file-validate"), desktop},
        {QStringLiteral("appstreamcli"), QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo},
        {QStringLiteral("xmllint"), QStringLiteral("--noout"), mime},
        {QStringLiteral("groff"), QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"), man},
    };
    for (QStringList checker : checkers) {
        const QString program = checker.takeFirst();
        const Run run = RunProgram(program, checker);
        QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(program + QLatin1Char(' ') + Explain(run)));
    }
    QVERIFY(testing::ReadFile(desktop).contains("Exec=quorlin %f"));

    const QString quorlin = root + QStringLiteral("/usr/bin/quorlin");
    const Run installed = RunProgram(quorlin, kGenerate);
    QCOMPARE(installed.exitCode, 0);
    QCOMPARE(installed.out, testing::RunQuorlin(kGenerate).out);
    const Run window = RunProgram(quorlin, {QStringLiteral("--quit-after-show")});
    QVERIFY2(window.exitCode == 0, qPrintable(Explain(window)));
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void installsIntoDestdir();
    void debianPackage();
};

void InstallTest::installsIntoDestdir()
{
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), dir.path());
    const Run install = RunProgram(QStringLiteral(QUORLIN_CMAKE),
                                   {QStringLiteral("--install"), QStringLiteral(QUORLIN_BUILD_DIR),
                                    QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                   environment);
    QVERIFY2(install.exitCode == 0, qPrintable(Explain(install)));
    CheckTree(dir.path());
}

void InstallTest::debianPackage()
{
    QTemporaryDir dir;
    const Run cpack =
        RunProgram(QStringLiteral(QUORLIN_CPACK),
                   {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                    QStringLiteral(QUORLIN_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), dir.path()},
                   QProcessEnvironment::systemEnvironment(), 300000); // a sanitized build packs slowly
    QVERIFY2(cpack.exitCode == 0, qPrintable(Explain(cpack)));
    const QStringList debs = QDir(dir.path()).entryList({QStringLiteral("quorlin_*.deb")});
    QCOMPARE(debs.size(), 1);
    const QString deb = dir.filePath(debs.first());

    // dpkg-shlibdeps found the Qt libraries of the program and of its window.
    const Run depends = RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    for (const char *library : {"libqt6core6", "libqt6widgets6", "libc6"})
        QVERIFY2(depends.out.contains(library), depends.out.constData());

    const QString root = dir.filePath(QStringLiteral("root"));
    QCOMPARE(RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root}).exitCode, 0);
    CheckTree(root);
}

QTEST_GUILESS_MAIN(InstallTest)
#include "test_install.moc"
