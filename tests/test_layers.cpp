// The folders of src/ are layers that depend one way: a file may include
// its own folder and the folders below it, never one above.
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

class LayersTest : public QObject {
    Q_OBJECT
private slots:
    void includesPointDown();
};

void LayersTest::includesPointDown()
{
    const QStringList layers = {QStringLiteral("names"),   QStringLiteral("core"),   QStringLiteral("script"),
                                QStringLiteral("editors"), QStringLiteral("drafts"), QStringLiteral("wizard"),
                                QStringLiteral("ui"),      QStringLiteral("app")};
    // Drafts stand on the core alone: they read and write a project, not the editors.
    auto below = [&](const QString &from, const QString &to) {
        if (from == QLatin1String("drafts") && (to == QLatin1String("script") || to == QLatin1String("editors")))
            return false;
        return layers.indexOf(to) <= layers.indexOf(from);
    };
    const QDir src(QStringLiteral(QUORLIN_SOURCE_DIR));
    const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([a-z_]+)/"));
    int files = 0;
    QStringList wrong;
    QDirIterator it(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString layer = src.relativeFilePath(path).section(QLatin1Char('/'), 0, 0);
        QVERIFY2(layers.contains(layer), qPrintable(QStringLiteral("a folder of no layer: ") + layer));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int line = 0;
        while (!file.atEnd()) {
            ++line;
            const auto match = include.match(QString::fromUtf8(file.readLine()));
            if (match.hasMatch() && !below(layer, match.captured(1)))
                wrong << QStringLiteral("%1:%2 includes %3/")
                             .arg(src.relativeFilePath(path))
                             .arg(line)
                             .arg(match.captured(1));
        }
        ++files;
    }
    QVERIFY(files > 50);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(LayersTest)
#include "test_layers.moc"
