// Name tables: terrain and object constants, the window's list fields and
// the unit picker's lists.
#include "names/object_names.h"
#include "names/picker_lists.h"
#include "names/search_names.h"
#include "names/terrain_names.h"
#include "test_script_support.h"

#include <QSet>
#include <QtTest>

using namespace quorlin;

namespace {

bool IsAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// A constant as the script language spells it: upper case, digits, '_'.
bool IsConstant(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!(c.isDigit() || (c >= u'A' && c <= u'Z') || c == u'_'))
            return false;
    return true;
}

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

class NamesTest : public QObject {
    Q_OBJECT

private slots:
    void terrainConst_data();
    void terrainConst();
    void terrainListsComeFromTheTable();
    void listFieldSizes_data();
    void listFieldSizes();
    void narrowListsKeepTerrainOrder();

    void objectConst_data();
    void objectConst();
    void objectTableIsWellFormed();

    void pickerCategories_data();
    void pickerCategories();
    void pickerHeroListIsTheHeroGroup();
    void everyPickerEntryReachesTheScriptAsAConstant();

    void searchFinds_data();
    void searchFinds();
    void otherNamesBelongToPickerEntries();
};

void NamesTest::terrainConst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a row") << U("草1") << "GRASS";
    QTest::newRow("full-width comma water") << U("水，浅") << "WATER";
    QTest::newRow("ASCII comma water unchanged") << U("水,浅") << U("水,浅");
    QTest::newRow("leading blank unchanged") << U(" 森林") << U(" 森林");
    QTest::newRow("typed constant unchanged") << "DIRT_SNOW"
                                              << "DIRT_SNOW";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("jungle is a terrain here") << U("丛林") << "JUNGLE";
}

void NamesTest::terrainConst()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(TerrainConst(name), expected);
}

void NamesTest::terrainListsComeFromTheTable()
{
    const QStringList &terrains = TerrainList();
    QCOMPARE(terrains.size(), 28);
    QSet<QString> names, constants;
    for (const QString &name : terrains) {
        names.insert(name);
        constants.insert(TerrainConst(name));
    }
    QCOMPARE(names.size(), 28);
    QCOMPARE(constants.size(), 28);

    // Whatever a terrain field offers has a row; the farm constants are not
    // built into the game, so the script defines each of them at its head.
    const QString script = QString::fromUtf8(testing::Golden("default.rms"));
    for (const char *combo : {"Combo1", "Combo2", "Combo4", "Combo5", "Combo9", "Combo14", "Combo15"}) {
        for (const QString &name : ListEntries(combo)) {
            const QString constant = TerrainConst(name);
            QVERIFY2(IsConstant(constant), qPrintable(QString("%1: %2 has no row").arg(combo, name)));
            if (constant.startsWith("FARMS_"))
                QVERIFY2(script.contains("\r\n#const  " + constant + "  "), qPrintable(constant));
        }
    }

    QCOMPARE(WidthList(), (QStringList{U("宽"), U("中"), U("窄")}));
}

void NamesTest::listFieldSizes_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    const QString lastTerrain = U("荒芜农田");
    QTest::newRow("Combo1") << "Combo1" << 28 << U("竹林") << lastTerrain;
    QTest::newRow("Combo14") << "Combo14" << 28 << U("竹林") << lastTerrain;
    QTest::newRow("Combo15") << "Combo15" << 28 << U("竹林") << lastTerrain;
    QTest::newRow("Combo2") << "Combo2" << 16 << U("沙漠") << lastTerrain;
    QTest::newRow("Combo4") << "Combo4" << 22 << U("海滩") << lastTerrain;
    QTest::newRow("Combo5") << "Combo5" << 6 << U("竹林") << U("雪松林");
    QTest::newRow("Combo9") << "Combo9" << 24 << U("竹林") << lastTerrain;
    for (const char *width : {"Combo3", "Combo10", "Combo11", "Combo12", "Combo13", "Combo16"})
        QTest::newRow(width) << width << 3 << U("宽") << U("窄");
    QTest::newRow("Combo6") << "Combo6" << 8 << "0"
                            << "7";
    QTest::newRow("Combo7") << "Combo7" << 8 << "0"
                            << "7";
    QTest::newRow("Combo8") << "Combo8" << 7 << "1"
                            << "7";
    QTest::newRow("Combo17") << "Combo17" << 8 << "1"
                             << "8";
    QTest::newRow("no such field") << "Combo18" << 0 << ""
                                   << "";
    QTest::newRow("names are case-sensitive") << "combo1" << 0 << ""
                                              << "";
    QTest::newRow("empty name") << "" << 0 << ""
                                << "";
}

void NamesTest::listFieldSizes()
{
    QFETCH(QString, combo);
    QFETCH(int, size);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const QStringList entries = ListEntries(combo);
    QCOMPARE(entries.size(), size);
    if (size == 0)
        return;
    QCOMPARE(entries.first(), first);
    QCOMPARE(entries.last(), last);
}

void NamesTest::narrowListsKeepTerrainOrder()
{
    const QStringList &terrains = TerrainList();
    for (const char *combo : {"Combo2", "Combo4", "Combo5", "Combo9"}) {
        int previous = -1;
        for (const QString &entry : ListEntries(combo)) {
            const int at = terrains.indexOf(entry);
            QVERIFY2(at > previous, qPrintable(QString("%1: %2").arg(combo, entry)));
            previous = at;
        }
    }
    QCOMPARE(ListEntries("Combo4").mid(0, 3), (QStringList{U("海滩"), U("沙漠"), U("泥地1")}));
    QCOMPARE(ListEntries("Combo5"),
             (QStringList{U("竹林"), U("森林"), U("丛林"), U("棕榈沙漠"), U("松树林"), U("雪松林")}));
    const QStringList zone = ListEntries("Combo2");
    for (const char *left : {"海滩", "冰", "浅滩", "水，深", "森林", "竹林"})
        QVERIFY2(!zone.contains(U(left)), left);
    QVERIFY(zone.contains(U("雪")));
    const QStringList elevation = ListEntries("Combo9");
    QVERIFY(!elevation.contains(U("浅滩")));
    QVERIFY(elevation.contains(U("海滩")));
    QVERIFY(elevation.contains(U("冰")));
}

void NamesTest::objectConst_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain row") << U("长弓手") << "LONGBOWMAN";
    QTest::newRow("elite row") << U("精锐长弓手") << "ELITE_LONGBOWMAN";
    QTest::newRow("elite alone") << U("精锐") << "ELITE_";
    QTest::newRow("elite only at the front") << U("长弓手精锐") << U("长弓手精锐");
    QTest::newRow("elite without a row keeps the prefix") << U("精锐x") << "ELITE_x";
    QTest::newRow("first yurt") << U("蒙古包1") << "YURT";
    QTest::newRow("elite first yurt") << U("精锐蒙古包1") << "ELITE_YURT";
    QTest::newRow("third yurt") << U("蒙古包3") << "YURT3";
    QTest::newRow("typed YURT1") << "YURT1"
                                 << "YURT";
    QTest::newRow("unit number") << "12"
                                 << "12";
    QTest::newRow("leading blank") << U(" 野猪") << U(" 野猪");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("jungle is a gaia tree here") << U("丛林") << "JUNGLE_TREE";
    QTest::newRow("haystack") << U("干草堆") << "HAY_STACK";
    QTest::newRow("palm forest") << U("棕榈森林") << "PALMTREE";
    QTest::newRow("palm grove") << U("棕榈树林") << "PALMTREE";
    QTest::newRow("last hidden gaia") << U("冰块") << "WHITE_SPOTS";
}

void NamesTest::objectConst()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(ObjectConst(name), expected);
}

void NamesTest::objectTableIsWellFormed()
{
    const NameRows &rows = ObjectRows();
    QCOMPARE(rows.size(), 314);
    QSet<QString> keys;
    for (const auto &row : rows) {
        QVERIFY2(!keys.contains(row.first), qPrintable("duplicate key " + row.first));
        keys.insert(row.first);
        QVERIFY2(IsConstant(row.second), qPrintable(row.first + " -> " + row.second));
        QVERIFY2(!row.first.startsWith(U("精锐")), qPrintable(row.first));
    }

    const NameRows &heroes = HeroRows();
    QCOMPARE(heroes.size(), 65);
    QCOMPARE(rows.mid(rows.size() - heroes.size()), heroes);
    QSet<QString> heroConstants;
    for (const auto &hero : heroes)
        heroConstants.insert(hero.second);
    QCOMPARE(heroConstants.size(), 65);
    QCOMPARE(heroes.first(), qMakePair(U("李舜臣"), QString("ADMIRAL_YI_SUN_SHIN")));
}

void NamesTest::pickerCategories_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<int>("count");
    const struct {
        const char *caption;
        const char *chooser;
        int count;
    } expected[] = {
        {"兵营单位", "Combo1", 10},      {"靶场单位", "Combo2", 8},   {"马厩单位", "Combo3", 9},
        {"攻城器械", "Combo4", 9},       {"其他单位", "Combo5", 7},   {"船坞单位", "Combo6", 16},
        {"特色兵种", "Combo7", 36},      {"剧情单位", "Combo8", 36},  {"盖亚单位", "Combo9", 78},
        {"输入单位ID号", "Text1", 0},    {"建筑物", "Combo10", 30},   {"隐藏兵种", "Combo11", 23},
        {"隐藏盖亚单位", "Combo12", 20}, {"英雄单位", "Combo13", 65},
    };
    int index = 0;
    for (const auto &row : expected) {
        QTest::newRow(row.chooser) << index << U(row.caption) << row.chooser << row.count;
        ++index;
    }
}

void NamesTest::pickerCategories()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, chooser);
    QFETCH(int, count);
    const QVector<PickerCategory> &categories = PickerCategories();
    QCOMPARE(categories.size(), 14);
    const PickerCategory &category = categories.at(index);
    QCOMPARE(category.option, QString("Option%1").arg(index + 1));
    QCOMPARE(category.caption, caption);
    QCOMPARE(category.chooser, chooser);
    QCOMPARE(category.entries.size(), count);
    QCOMPARE(PickerChooserOrder().at(index), chooser);
}

void NamesTest::pickerHeroListIsTheHeroGroup()
{
    QStringList heroNames;
    for (const auto &hero : HeroRows())
        heroNames << hero.first;
    QCOMPARE(PickerCategories().last().entries, heroNames);

    // Names the picker lists twice, and names shared between two lists.
    const QStringList gaia = PickerCategories().at(8).entries;
    QCOMPARE(gaia.count(U("野猪")), 2);
    QVERIFY(gaia.contains(U("绵羊")) && gaia.contains(U("火鸡")));
    QVERIFY(!gaia.contains(U("棕榈树林")));
    const QStringList scenario = PickerCategories().at(7).entries;
    QVERIFY(scenario.contains(U("绵羊")) && scenario.contains(U("火鸡")));
    QCOMPARE(scenario.last(), U("蒙古包8"));
}

// The strongest check on the tables: whatever the user picks, the script
// gets a constant and no Chinese text.
void NamesTest::everyPickerEntryReachesTheScriptAsAConstant()
{
    QSet<QString> keys;
    for (const auto &row : ObjectRows())
        keys.insert(row.first);

    const QString elite = U("精锐");
    const QString yurt = U("蒙古包");
    QStringList missing;
    for (const PickerCategory &category : PickerCategories()) {
        for (const QString &entry : category.entries) {
            const QString constant = ObjectConst(entry);
            if (!IsConstant(constant) || !IsAscii(constant))
                missing << QString("%1 %2 -> %3").arg(category.chooser, entry, constant);
            QString bare = entry.startsWith(elite) ? entry.mid(elite.size()) : entry;
            if (!bare.startsWith(yurt) && !keys.contains(bare))
                missing << QString("%1 %2 has no row").arg(category.chooser, entry);
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join("; ")));
}

void NamesTest::searchFinds_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("finds");
    QTest::newRow("part of the name") << U("双手剑士") << U("剑士") << true;
    QTest::newRow("the constant") << U("黄金") << "GOLD" << true;
    QTest::newRow("in any case") << U("遗迹") << "relic" << true;
    QTest::newRow("a word of the constant") << U("一堆黄金") << "gold" << true;
    QTest::newRow("the words apart") << U("养鱼场") << "fish trap" << true;
    QTest::newRow("an everyday name") << U("黄金") << U("金矿") << true;
    QTest::newRow("stone") << U("石矿") << U("石头") << true;
    QTest::newRow("blanks around") << U("鹿") << " deer " << true;
    QTest::newRow("elsewhere") << U("鹿") << U("金矿") << false;
    QTest::newRow("nothing typed") << U("鹿") << " " << false;
}

void NamesTest::searchFinds()
{
    QFETCH(QString, entry);
    QFETCH(QString, query);
    QFETCH(bool, finds);
    QCOMPARE(SearchFinds(entry, query), finds);
}

// An everyday name helps only where the picker lists its entry.
void NamesTest::otherNamesBelongToPickerEntries()
{
    QSet<QString> entries;
    for (const PickerCategory &category : PickerCategories())
        for (const QString &entry : category.entries)
            entries.insert(entry);
    int withOthers = 0;
    for (const QString &entry : entries)
        withOthers += !OtherNames(entry).isEmpty();
    QVERIFY(withOthers >= 20);
    for (const char *entry : {"黄金", "石矿", "草料丛", "鹿", "野猪", "绵羊", "遗迹"})
        QVERIFY2(!OtherNames(U(entry)).isEmpty(), entry);
}

QTEST_APPLESS_MAIN(NamesTest)
#include "test_names.moc"
