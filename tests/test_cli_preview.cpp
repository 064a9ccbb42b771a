// The contract of `quorlin preview`: the picture it writes and its exit codes.
#include <QtTest>

#include "test_script_support.h"

using testing::Run;

namespace {

Run Preview(const QStringList &options) { return testing::RunQuorlin(QStringList{"preview"} + options); }

} // namespace

class CliPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void drawsTheDefaultScriptAndAScriptFile();
    void drawsTheFullestDraftDifferentlyPerSeed();
    void teamsChooseTheScriptsBranch();
    void contactSheetDrawsEachSeed();
    void refusesBadCommandLines_data();
    void refusesBadCommandLines();
    void unreadableInputAndUnwritableOutput();

private:
    QString path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

void CliPreviewTest::drawsTheDefaultScriptAndAScriptFile()
{
    const Run run = Preview({"--output", path("default.png")});
    QCOMPARE(run.exitCode, 0);
    const QImage diamond(path("default.png"));
    QCOMPARE(diamond.width() > diamond.height(), true);

    QFile script(path("hand.rms"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("<LAND_GENERATION>\nbase_terrain WATER\ncreate_player_lands { land_percent 30 }\n"
                 "<OBJECTS_GENERATION>\ncreate_object GOLD { set_place_for_every_player min_distance_to_players 400 "
                 "max_distance_to_players 400 }\n");
    script.close();
    const Run hand =
        Preview({path("hand.rms"), "--size", "tiny", "--players", "8", "--square", "--output", path("hand.png")});
    QCOMPARE(hand.exitCode, 0);
    const QImage square(path("hand.png"));
    QVERIFY(!square.isNull());
    QVERIFY(QString::fromLocal8Bit(hand.err).contains(QStringLiteral("1 个中有 1 个没有放下（每位游戏者）")));
}

void CliPreviewTest::drawsTheFullestDraftDifferentlyPerSeed()
{
    const QString draft = path("max.qlx");
    QProcess maker;
    maker.start("sh", {QStringLiteral(QUORLIN_SOURCE_DIR "/../bench/make_max_draft.sh"), QStringLiteral(QUORLIN_BINARY),
                       draft});
    QVERIFY(maker.waitForFinished(120000) && maker.exitCode() == 0);
    QByteArray first;
    for (const char *seed : {"1", "2"}) {
        const QString png = path("max") + QLatin1String(seed) + QLatin1String(".png");
        QCOMPARE(Preview({"--draft", draft, "--size", "giant", "--seed", seed, "--output", png}).exitCode, 0);
        const QByteArray bytes = testing::ReadFile(png);
        QVERIFY(bytes.startsWith("\x89PNG"));
        QVERIFY(bytes != first);
        first = bytes;
    }
}

// Four players in two teams (the players follow from the teams) make
// 2_TEAM_GAME true.
void CliPreviewTest::teamsChooseTheScriptsBranch()
{
    QFile script(path("teams.rms"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("<LAND_GENERATION>\nif 2_TEAM_GAME base_terrain WATER else base_terrain DESERT endif\n");
    script.close();
    for (const char *teams : {"1,1,2,2", "1,2,3,0"}) {
        const QString png = path("teams.png");
        QCOMPARE(Preview({path("teams.rms"), "--teams", teams, "--square", "--output", png}).exitCode, 0);
        QCOMPARE(QImage(png).pixel(20, 20), qstrcmp(teams, "1,1,2,2") == 0 ? 0xFF305DB6u : 0xFFE8B478u);
    }
}

// Nine seeds in three rows of three, each the map its seed draws alone.
void CliPreviewTest::contactSheetDrawsEachSeed()
{
    QCOMPARE(Preview({"--seeds", "1-9", "--output", path("sheet.png")}).exitCode, 0);
    const QImage sheet(path("sheet.png"));
    for (const int seed : {1, 5, 9}) {
        const QString png = path("seed.png");
        QCOMPARE(Preview({"--seed", QString::number(seed), "--output", png}).exitCode, 0);
        const QImage alone(png);
        // Drawn alone, the map is the picture above its caption; on the sheet,
        // each map and its caption stand 8 pixels apart.
        const QSize map(alone.width(), 168 * (480 / 168) + 16);
        QCOMPARE(sheet.width(), 3 * map.width() + 4 * 8);
        const int row = (seed - 1) / 3, column = (seed - 1) % 3;
        const int cellHeight = (sheet.height() - 4 * 8) / 3;
        QCOMPARE(sheet.copy(8 + column * (map.width() + 8), 8 + row * (cellHeight + 8), map.width(), map.height()),
                 alone.copy(QRect(QPoint(0, 0), map)));
    }
}

void CliPreviewTest::refusesBadCommandLines_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("no output") << QStringList{};
    QTest::newRow("unknown size") << QStringList{"--size", "huge", "--output", "x.png"};
    QTest::newRow("nine players") << QStringList{"--players", "9", "--output", "x.png"};
    QTest::newRow("file and draft") << QStringList{"a.rms", "--draft", "b.qlx", "--output", "x.png"};
    QTest::newRow("unknown option") << QStringList{"--round", "--output", "x.png"};
    QTest::newRow("teams for 4, players 3") << QStringList{"--players", "3", "--teams", "1,1,2,2", "--output", "x.png"};
    QTest::newRow("team 5") << QStringList{"--teams", "1,5", "--output", "x.png"};
    QTest::newRow("teams not numbers") << QStringList{"--teams", "1,,2", "--output", "x.png"};
    QTest::newRow("seed and seeds") << QStringList{"--seed", "1", "--seeds", "1-9", "--output", "x.png"};
    QTest::newRow("seeds backwards") << QStringList{"--seeds", "9-1", "--output", "x.png"};
    QTest::newRow("too many seeds") << QStringList{"--seeds", "1-26", "--output", "x.png"};
}

void CliPreviewTest::refusesBadCommandLines()
{
    QFETCH(QStringList, options);
    const Run run = Preview(options);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.count('\n'), 1);
}

void CliPreviewTest::unreadableInputAndUnwritableOutput()
{
    QCOMPARE(Preview({path("missing.rms"), "--output", path("x.png")}).exitCode, 1);
    QCOMPARE(Preview({"--draft", path("missing.qlx"), "--output", path("x.png")}).exitCode, 1);
    QCOMPARE(Preview({"--output", path("no/such/folder/x.png")}).exitCode, 1);
    QVERIFY(!QFile::exists(path("x.png")));
}

QTEST_GUILESS_MAIN(CliPreviewTest)
#include "test_cli_preview.moc"
