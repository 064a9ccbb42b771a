// The marks of typed fields: which texts the script would hold otherwise than
// they read, what the mark says the script holds, and the note after an add.
#include <QtTest>

#include "core/settings.h"
#include "test_settings_support.h"
#include "fields/field_marks.h"

using namespace quorlin;
using testing::With;

namespace {

// The mark of `field`, or one with the field's name "absent" when it is not judged now.
FieldMark MarkOf(const Settings &s, const QString &field)
{
    for (const FieldMark &m : JudgeFields(s, 0))
        if (m.field == field)
            return m;
    return FieldMark{QStringLiteral("absent"), {}, {}, {}};
}

} // namespace

class FieldMarksTest : public QObject {
    Q_OBJECT
private slots:
    void nothingIsMarkedAtStartUp();
    void marks_data();
    void marks();
    void fieldsNotInUseAreNotJudged();
    void units_data();
    void units();
    void addNote();
};

void FieldMarksTest::nothingIsMarkedAtStartUp()
{
    // With every frame open, as a designer who ticks everything sees it.
    const Settings s = With({"Check35=1", "Check4=1", "Check37=1", "Check23=1", "Check24=1", "Label55=黄金", "Text16=2",
                             "Text17=2", "Combo6=1", "Combo7=3"});
    QStringList marked;
    for (const FieldMark &m : JudgeFields(s, 0))
        if (m.marked())
            marked << m.field + ": " + m.problem;
    QVERIFY2(marked.isEmpty(), qPrintable(marked.join('\n')));
    QVERIFY(JudgeFields(s, 0).size() >= 25);
}

void FieldMarksTest::marks_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("problem"); // a part of it; empty for no mark
    QTest::addColumn<QString>("held");

    const QStringList elevation{"Check23=1"}, cliffs{"Check24=1"};
    // clang-format off
    // Nonsense reads 0 in one field, leaves its line out in another, goes in as typed in a third.
    QTest::newRow("abc reads 0") << QStringList{"Text2=abc"} << "Text2" << "“abc”不是数字" << "number_of_clumps  0";
    QTest::newRow("abc drops the line") << QStringList{"Text6=abc"} << "Text6" << "不是数字" << "";
    QTest::newRow("abc as typed") << (elevation + QStringList{"Text8=abc"}) << "Text8" << "不是数字"
                                  << "number_of_clumps  abc";
    QTest::newRow("12abc reads 12") << QStringList{"Text1=12abc"} << "Text1" << "不是数字"
                                    << "spacing_to_other_terrain_types  12";
    QTest::newRow("blanks inside") << (elevation + QStringList{"Text9=1 2"}) << "Text9" << "不是数字"
                                   << "number_of_tiles  1 2";
    QTest::newRow("a fraction") << QStringList{"Text2=2.5"} << "Text2" << "“2.5”不是整数" << "number_of_clumps  2.5";
    QTest::newRow("-5 vanishes") << QStringList{"Text6=-5"} << "Text6" << "默认值 1" << "";
    QTest::newRow("0 objects vanish too") << QStringList{"Text6=0"} << "Text6" << "不会写进脚本" << "";
    QTest::newRow("blank land number") << QStringList{"Check35=1"} << "Text16" << "空白" << "";
    QTest::newRow("blank reads 0") << QStringList{"Text1="} << "Text1" << "空白，读作 0"
                                   << "spacing_to_other_terrain_types  0";
    QTest::newRow("no value on the line") << (elevation + QStringList{"Text8="}) << "Text8" << "没有数值"
                                          << "number_of_clumps";
    // The ranges of the language tables, and the checker's floor of 0 for counts.
    QTest::newRow("below 0") << QStringList{"Text1=-5"} << "Text1" << "范围 0 到 （无上限）"
                             << "spacing_to_other_terrain_types  -5";
    QTest::newRow("above the table") << (elevation + QStringList{"Combo8=20"}) << "Combo8" << "范围 0 到 16"
                                     << "create_elevation  20";
    QTest::newRow("below the table") << (cliffs + QStringList{"Text12=1", "Text13=5"}) << "Text12" << "范围 3 到"
                                     << "min_length_of_cliff  1";
    // Minimum above maximum: swapped by the script, or written as it stands.
    QTest::newRow("cliff counts swapped") << (cliffs + QStringList{"Text10=10", "Text11=4"}) << "Text10"
                                          << "下限大于上限，脚本中两者对调" << "min_number_of_cliffs  4";
    QTest::newRow("the upper one too") << (cliffs + QStringList{"Text10=10", "Text11=4"}) << "Text11" << "对调"
                                       << "max_number_of_cliffs  10";
    QTest::newRow("distances as they stand") << QStringList{"Text3=12", "Text4=4"} << "Text4" << "下限大于上限。"
                                             << "max_distance_to_players  4";
    QTest::newRow("height limits swapped") << QStringList{"Combo6=5", "Combo7=2"} << "Combo7" << "对调"
                                           << "height_limits  2  5";
    QTest::newRow("no upper height") << QStringList{"Combo6=3"} << "Combo6" << "对调" << "height_limits  0  3";
    // Terrains the tables do not know.
    QTest::newRow("lava") << QStringList{"Combo15=lava"} << "Combo15" << "“lava”不是游戏认识的地形"
                          << "terrain_type  lava";
    QTest::newRow("stray blank") << QStringList{"Combo4= 草1"} << "Combo4" << "不是游戏认识的地形"
                                 << "create_terrain   草1";
    QTest::newRow("blank elevation terrain") << (elevation + QStringList{"Combo9="}) << "Combo9" << "没有地形"
                                             << "base_terrain";
    // What reads as typed is not marked.
    QTest::newRow("a constant typed") << QStringList{"Combo15=DIRT_SNOW"} << "Combo15" << "" << "";
    QTest::newRow("no own ground") << QStringList{"Combo14="} << "Combo14" << "" << "";
    QTest::newRow("exponent") << QStringList{"Text2=1e1"} << "Text2" << "" << "";
    QTest::newRow("blanks around") << QStringList{"Text2= 7 "} << "Text2" << "" << "";
    QTest::newRow("0 groups is none") << QStringList{"Text15=0"} << "Text15" << "" << "";
    QTest::newRow("blank lowest height") << QStringList{"Combo7=3"} << "Combo6" << "" << "";
    // clang-format on
}

void FieldMarksTest::marks()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, field);
    QFETCH(QString, problem);
    QFETCH(QString, held);
    const FieldMark m = MarkOf(With(settings), field);
    QCOMPARE(m.field, field);
    if (problem.isEmpty()) {
        QVERIFY2(!m.marked(), qPrintable(m.problem));
        QVERIFY(m.tip.isEmpty());
        return;
    }
    QVERIFY2(m.problem.contains(problem), qPrintable(m.problem));
    QCOMPARE(m.held, held);
    QVERIFY(m.tip.startsWith(m.problem));
    QVERIFY(m.tip.endsWith(held.isEmpty() ? QStringLiteral("脚本中不写这一行。") : held));
}

void FieldMarksTest::fieldsNotInUseAreNotJudged()
{
    // A cleared box, a closed frame, the terrain list not shown, groups not written.
    const Settings s = With(
        {"Check35=0", "Text16=abc", "Check23=0", "Text8=abc", "Option6=true", "Combo4=lava", "Text15=0", "Text7=abc"});
    for (const char *field : {"Text16", "Text8", "Combo4", "Text7"})
        QVERIFY2(MarkOf(s, QString::fromLatin1(field)).field == QLatin1String("absent"), field);
    QVERIFY(MarkOf(s, "Combo5").field == QLatin1String("Combo5"));
    // Groups written: their variance counts.
    QVERIFY(MarkOf(With({"Text15=2", "Text7=abc"}), "Text7").marked());
}

void FieldMarksTest::units_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("tip");
    // clang-format off
    QTest::newRow("a name") << "黄金" << "" << "脚本中写作：GOLD";
    QTest::newRow("an elite name") << "精锐日本武士" << "" << "脚本中写作：ELITE_SAMURAI";
    QTest::newRow("a unit number") << " 12 " << "" << "脚本中写作：12";
    QTest::newRow("free text") << "xyz-12" << "“xyz-12”不是游戏认识的单位" << "create_object  xyz-12";
    QTest::newRow("a number with text") << "12abc" << "不是游戏认识的单位" << "create_object  12abc";
    QTest::newRow("a fraction") << "1.5" << "不是 0 以上的整数" << "#const  X1  1.5\ncreate_object  X1";
    QTest::newRow("below zero") << "-5" << "不是 0 以上的整数" << "#const  X1  -5";
    QTest::newRow("nothing chosen") << "" << "" << "";
    // clang-format on
}

void FieldMarksTest::units()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QFETCH(QString, tip);
    const FieldMark m = JudgeUnit(name);
    QVERIFY2(problem.isEmpty() ? !m.marked() : m.problem.contains(problem), qPrintable(m.problem));
    QVERIFY2(m.tip.contains(tip), qPrintable(m.tip));
    // The units page judges its caption the same way, with the constants' running number.
    const FieldMark onPage = MarkOf(With({"Label55=" + name}), "Label55");
    QCOMPARE(onPage.problem, m.problem);
}

void FieldMarksTest::addNote()
{
    const Settings s = With({"Label55=黄金", "Text6=abc", "Text15=2.5", "Combo15=lava", "Text2=x"});
    const QString unit = AddNote(s, 0, "Command6");
    QVERIFY2(unit.startsWith("已添加"), qPrintable(unit));
    QVERIFY2(unit.contains("单位数量：“abc”不是数字。未写入"), qPrintable(unit));
    QVERIFY2(unit.contains("写作 number_of_groups 2.5"), qPrintable(unit));
    // Only the fields of the block that button adds.
    QVERIFY(!unit.contains("lava"));
    QVERIFY(AddNote(s, 0, "Command21").contains("lava"));
    QVERIFY(AddNote(s, 0, "Command4").contains("number_of_clumps 0"));
    QVERIFY(AddNote(Settings(), 0, "Command6").isEmpty());
    QVERIFY(AddNote(s, 0, "Command5").isEmpty());
}

QTEST_APPLESS_MAIN(FieldMarksTest)
#include "test_field_marks.moc"
