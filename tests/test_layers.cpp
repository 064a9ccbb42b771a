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
    // Each folder and the folders it may include besides its own. The script
    // reader and checker (lang) and the map preview stand on the core beside
    // the wizard's own layers; drafts read and write a project, not the editors;
    // the marks of typed fields stand on the editors and the language tables.
    const QHash<QString, QStringList> uses = {
        {QStringLiteral("names"), {}},
        {QStringLiteral("core"), {QStringLiteral("names")}},
        {QStringLiteral("script"), {QStringLiteral("core"), QStringLiteral("names")}},
        {QStringLiteral("editors"), {QStringLiteral("script"), QStringLiteral("core"), QStringLiteral("names")}},
        {QStringLiteral("drafts"), {QStringLiteral("core"), QStringLiteral("names")}},
        {QStringLiteral("wizard"),
         {QStringLiteral("editors"), QStringLiteral("drafts"), QStringLiteral("script"), QStringLiteral("core"),
          QStringLiteral("names")}},
        {QStringLiteral("lang"), {QStringLiteral("core"), QStringLiteral("names")}},
        {QStringLiteral("preview"), {QStringLiteral("lang"), QStringLiteral("core"), QStringLiteral("names")}},
        {QStringLiteral("fields"),
         {QStringLiteral("editors"), QStringLiteral("script"), QStringLiteral("lang"), QStringLiteral("core"),
          QStringLiteral("names")}},
    };
    const QStringList all = {QStringLiteral("wizard"),  QStringLiteral("fields"), QStringLiteral("editors"),
                             QStringLiteral("drafts"),  QStringLiteral("script"), QStringLiteral("lang"),
                             QStringLiteral("preview"), QStringLiteral("core"),   QStringLiteral("names")};
    const QHash<QString, QStringList> top = {{QStringLiteral("ui"), all},
                                             {QStringLiteral("app"), all + QStringList{QStringLiteral("ui")}}};
    auto known = [&](const QString &layer) { return uses.contains(layer) || top.contains(layer); };
    auto below = [&](const QString &from, const QString &to) {
        return from == to || uses.value(from, top.value(from)).contains(to);
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
        QVERIFY2(known(layer), qPrintable(QStringLiteral("a folder of no layer: ") + layer));
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
