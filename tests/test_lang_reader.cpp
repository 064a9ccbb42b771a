// The script reader: the tree a previewer walks, and input that must not
// crash, hang or grow without bound.
#include <QtTest>

#include "core/text_files.h"
#include "lang/reader.h"

using namespace quorlin::lang;

class LangReaderTest : public QObject {
    Q_OBJECT

private slots:
    void tree();
    void decoding();
    void badInput();
};

void LangReaderTest::tree()
{
    const QString text = QStringLiteral("<LAND_GENERATION> /* a /* nested */ note */\n"
                                        "create_land { terrain_type DESERT land_percent +10 }\n"
                                        "if TINY_MAP base_terrain DESERT elseif SMALL_MAP\n"
                                        "  base_terrain GRASS else base_terrain SNOW endif\n"
                                        "start_random percent_chance 30 #define A\n"
                                        "percent_chance 70 #define B end_random\n"
                                        "if A create_land else create_player_lands endif\n"
                                        "{ land_percent 5 }\n");
    const Script s = ReadScript(text);
    QVERIFY2(s.problems.isEmpty(), qPrintable(s.problems.value(0).id));
    QCOMPARE(s.comments.size(), size_t(1));
    QCOMPARE(s.nodes.size(), size_t(5));
    QCOMPARE(s.nodes[0].kind, NodeKind::Section);
    const Node &land = s.nodes[1];
    QCOMPARE(land.kind, NodeKind::Command);
    QVERIFY(land.hasBlock && land.close.present());
    QCOMPARE(land.body.size(), size_t(2));
    QCOMPARE(land.body[1].args.at(0).text, QStringLiteral("+10"));
    QCOMPARE(land.body[1].args.at(0).line, 2);
    QCOMPARE(land.body[1].args.at(0).column, 48);

    const Node &choice = s.nodes[2];
    QCOMPARE(choice.kind, NodeKind::If);
    QCOMPARE(choice.branches.size(), size_t(3));
    QCOMPARE(choice.branches[1].condition.text, QStringLiteral("SMALL_MAP"));
    QCOMPARE(choice.branches[1].nodes.at(0).head.line, 4);
    QVERIFY(!choice.branches[2].condition.present());
    QCOMPARE(choice.end.line, 4);

    const Node &random = s.nodes[3];
    QCOMPARE(random.kind, NodeKind::Random);
    QCOMPARE(random.branches.size(), size_t(3)); // the empty lead-in and two chances
    QVERIFY(!random.branches[0].keyword.present());
    QCOMPARE(random.branches[2].condition.text, QStringLiteral("70"));
    QCOMPARE(random.branches[2].nodes.at(0).args.at(0).text, QStringLiteral("B"));

    // A block shared by the commands of a group's branches.
    QVERIFY(s.nodes[4].hasBlock);
    QCOMPARE(s.nodes[4].body.size(), size_t(1));
}

void LangReaderTest::decoding()
{
    const QString text = QStringLiteral("/* 地图 */");
    QCOMPARE(DecodeScript(text.toUtf8()), text);
    QCOMPARE(DecodeScript(QByteArray("\xEF\xBB\xBF") + text.toUtf8()), text);
    QCOMPARE(DecodeScript(quorlin::ToGbk(text)), text);
    QVERIFY(!DecodeScript(QByteArray("\x81\x20\xFF\x00", 4)).isEmpty()); // not GBK either: still text
}

void LangReaderTest::badInput()
{
    auto bounded = [](const QString &text) {
        const Script s = ReadScript(text);
        return s.problems.size() <= kMaxProblems;
    };
    QVERIFY(bounded(QStringLiteral("create_land ").repeated(1) + QStringLiteral("{ ").repeated(100000)));
    QVERIFY(bounded(QStringLiteral("} ").repeated(100000)));
    QVERIFY(bounded(QStringLiteral("if A ").repeated(100000) + QStringLiteral("endif ").repeated(100000)
                    + QStringLiteral("else")));
    QVERIFY(bounded(QStringLiteral("start_random ").repeated(100000)));
    QVERIFY(bounded(QStringLiteral("/* ").repeated(100000)));
    QByteArray binary(300000, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) >> 3);
    QVERIFY(bounded(DecodeScript(binary)));
    const Script huge = ReadScript(QString(kMaxScriptChars + 1, QLatin1Char('a')));
    QCOMPARE(huge.problems.value(0).id, QStringLiteral("script-too-large"));
    // Deep ifs are read, flattened below the limit, and closed in order.
    const Script deep = ReadScript(QStringLiteral("if A ").repeated(kMaxNesting + 5) + QStringLiteral("#define X ")
                                   + QStringLiteral("endif ").repeated(kMaxNesting + 5));
    QCOMPARE(deep.problems.size(), 1);
    QCOMPARE(deep.problems[0].id, QStringLiteral("nesting-too-deep"));
}

QTEST_GUILESS_MAIN(LangReaderTest)
#include "test_lang_reader.moc"
