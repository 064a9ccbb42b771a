#include <QtTest>

#include <functional>

#include "core/control_captions.h"
#include "core/scripted_dialogs.h"
#include "core/text_files.h"
#include "drafts/draft.h"
#include "drafts/draft_format.h"
#include "test_script_support.h"
#include "wizard/wizard_model.h"

using namespace quorlin;

namespace {

// Everything a draft could touch, and the rest of the model's visible state,
// so that "unchanged" means unchanged.
struct Snapshot {
    QStringList values; // NAME=VALUE for every control
    QStringList lines[3];
    QStringList blocks[3];
    qint64 xn = 0;
    quint64 revision = 0;
    int page = 0;
    QString script;
};

Snapshot Take(const WizardModel &m)
{
    Snapshot s;
    for (const ControlDef &def : ControlTable()) {
        const QString name = QString::fromLatin1(def.name);
        s.values << name + QLatin1Char('=') + m.settings().toString(name);
    }
    const ItemStore *stores[3] = {&m.lands(), &m.terrains(), &m.units()};
    for (int i = 0; i < 3; ++i) {
        s.lines[i] = stores[i]->lines();
        s.blocks[i] = stores[i]->blocks();
    }
    s.xn = m.xn();
    s.revision = m.settings().revision();
    s.page = m.page();
    s.script = m.script();
    return s;
}

// Compares piece by piece so a failure says which piece differs.
#define COMPARE_STATE(actual, expected)                                                                                \
    do {                                                                                                               \
        const Snapshot a_ = (actual), e_ = (expected);                                                                 \
        QCOMPARE(a_.values, e_.values);                                                                                \
        for (int i_ = 0; i_ < 3; ++i_) {                                                                               \
            QCOMPARE(a_.lines[i_], e_.lines[i_]);                                                                      \
            QCOMPARE(a_.blocks[i_], e_.blocks[i_]);                                                                    \
        }                                                                                                              \
        QCOMPARE(a_.xn, e_.xn);                                                                                        \
    } while (false)

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

void Set(WizardModel &m, const char *name, const char *value)
{
    const QString error = m.setValue(QString::fromLatin1(name), U(value));
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

ItemStore Items(int count, const QString &kind)
{
    ItemStore store;
    for (int i = 1; i <= count; ++i)
        store.add(
            QStringLiteral("%1 %2, 北").arg(kind).arg(i),
            QStringLiteral("create_%1 /* 添加：%2, 南 */\r\n{\r\nterrain_type  SNOW\r\nland_percent  %2\r\n}\r\n\r\n")
                .arg(kind)
                .arg(i));
    return store;
}

// A value other than the default for every control a draft holds.
void MakeRich(WizardModel &m, int itemsEach)
{
    // clang-format off
    static const char *const values[][2] = {
        {"Check33", "1"}, {"Slider1", "37"}, {"Slider2", "21"}, {"Check1", "2"}, {"Slider3", "0"},
        {"Slider4", "40"}, {"Slider5", "15"}, {"Option3", "true"}, {"Check30", "2"},
        {"Check8", "1"}, {"Check9", "2"}, {"Check10", "1"}, {"Check11", "1"}, {"Check12", "2"},
        {"Check13", "1"}, {"Check14", "1"}, {"Check15", "2"}, {"Check16", "1"}, {"Check17", "2"},
        {"Check18", "1"}, {"Check19", "1"}, {"Check20", "1"}, {"Check21", "2"}, {"Check22", "1"},
        {"Check31", "2"}, {"Check23", "1"}, {"Text8", "  7 "}, {"Text9", "三千"}, {"Check24", "2"},
        {"Text10", "1,5"}, {"Text11", ""}, {"Text12", "a\r\nb,c"}, {"Text13", "99"}, {"Slider8", "100"},
        {"Text14", "-3"}, {"Check25", "1"}, {"Check26", "2"}, {"Check27", "1"}, {"Check28", "1"},
        {"Check29", "1"}, {"Option14", "true"}, {"Option8", "true"}, {"Option10", "true"},
        {"Option19", "true"}, {"Combo1", "雪"}, {"Combo2", "沙漠"}, {"Combo3", "宽"}, {"Combo8", "3"},
        {"Combo9", "自定义,地形"}, {"Combo10", "中"}, {"Combo11", "宽"}, {"Combo12", "中"}, {"Combo13", "宽"},
    };
    // clang-format on
    for (const auto &v : values)
        Set(m, v[0], v[1]);
    m.replaceItems(Items(itemsEach, QStringLiteral("land")), Items(itemsEach, QStringLiteral("terrain")),
                   Items(itemsEach, QStringLiteral("object")), 3);
}

QByteArray Encode(const WizardModel &m)
{
    QByteArray bytes;
    QString error;
    if (!EncodeDraft(m.project(), &bytes, &error))
        qWarning() << "EncodeDraft:" << error;
    return bytes;
}

// A designer knows a setting by its caption on the page, never by the control's name.
bool NamesAControl(const QString &message)
{
    static const QRegularExpression name(QStringLiteral("(Check|Slider|Combo|Text|Option|Lst|Label)\\d|\\bxn\\b"));
    return message.contains(name);
}

QByteArray Crlf(const QList<QByteArray> &records) { return records.join("\r\n") + "\r\n"; }

// The draft of a new model, record by record, with the zone record present.
QList<QByteArray> DefaultRecords()
{
    return {
        "1",
        "50,10,0,10,5,8,#TRUE#,#FALSE#,#FALSE#,#FALSE#",
        "0",
        "0",
        "0",
        "0",
        "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
        "0,\"12\",\"1000\"",
        "0,\"4\",\"10\",\"5\",\"11\",20,\"5\"",
        "0,0,0,0,0",
        "#TRUE#,#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#",
        "0",
        "\"\xb2\xdd"
        "1\",\"\xb2\xdd"
        "1\",\"\xd5\xad\",\"7\",\"\xb2\xdd"
        "1\",\"\xd5\xad\",\"\xd5\xad\",\"\xd5\xad\","
        "\"\xd5\xad\"",
    };
}

QByteArray DefaultWith(int record, const QByteArray &replacement)
{
    QList<QByteArray> records = DefaultRecords();
    records[record] = replacement;
    return Crlf(records);
}

// Turns every separator outside quotes into another allowed form: commas into
// line breaks, CR LF into LF, with spaces before each field.
QByteArray Loosened(const QByteArray &draft)
{
    QByteArray out = " ";
    bool inText = false;
    for (qsizetype i = 0; i < draft.size(); ++i) {
        const char c = draft[i];
        if (c == '"')
            inText = !inText;
        if (inText || (c != ',' && c != '\r'))
            out += c;
        else if (c == ',')
            out += "\n  ";
        if (!inText && c == '\n' && i + 1 < draft.size())
            out += "\t ";
    }
    return out;
}

} // namespace

class DraftsTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripsEveryControlAndFullLists();
    void opensADraftOfEarlierVersions();
    void separatorsAreInterchangeable();
    void restoresXnForNumberedUnits();
    void zoneRecordOnlyWithZonesSetTogether();
    void leavesWhatADraftDoesNotHold();
    void appliesThroughTheControlRules();

    void refusesMalformedDrafts_data();
    void refusesMalformedDrafts();
    void refusesEveryTruncation();
    void readsTextsAsTheWholeConverterDoes();

    void refusesTextsTheFormatCannotKeep();
    void everySettingHasANameOfItsOwn();
    void openCommandAsksAndReports();
    void saveCommandReports();
};

void DraftsTest::roundTripsEveryControlAndFullLists()
{
    WizardModel source(nullptr);
    MakeRich(source, ItemStore::kCapacity);

    // The test is only as good as its values: none of them may be a default.
    const WizardModel fresh(nullptr);
    for (const SettingsRecord &record : SettingsRecords())
        for (const char *control : record.controls) {
            const QString name = QString::fromLatin1(control);
            // Check33 stays ticked so that the zone record is written.
            if (FindControl(name)->kind != ControlKind::Option && name != QLatin1String("Check33"))
                QVERIFY2(source.settings().toString(name) != fresh.settings().toString(name), control);
        }

    const QByteArray bytes = Encode(source);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(Encode(source), bytes); // a second save without a change

    // Into a fresh model, which saves to the same bytes again, and into one
    // that already holds other work.
    WizardModel target(nullptr);
    QString error;
    QVERIFY2(target.applyDraft(bytes, &error), qPrintable(error));
    COMPARE_STATE(Take(target), Take(source));
    QCOMPARE(Encode(target), bytes);

    WizardModel busy(nullptr);
    Set(busy, "Option2", "true");
    Set(busy, "Check13", "1");
    Set(busy, "Text8", "500");
    busy.replaceItems(Items(7, QStringLiteral("old")), ItemStore(), Items(1, QStringLiteral("old")), 40);
    QVERIFY2(busy.applyDraft(bytes, &error), qPrintable(error));
    COMPARE_STATE(Take(busy), Take(source));
}

void DraftsTest::opensADraftOfEarlierVersions()
{
    // Written the way earlier versions wrote drafts: GBK, CR LF, block texts
    // spanning lines inside their quotes, a list entry holding a comma.
    const QByteArray draft =
        "1\r\n"
        "60,12,1,30,7,3,#FALSE#,#FALSE#,#TRUE#,#FALSE#\r\n"
        "2\r\n"
        "\"\xd1\xa9\",\"create_land /* \xcc\xed\xbc\xd3\xc2\xbd\xb5\xd8\xa3\xba\xd1\xa9 */\r\n{\r\n"
        "terrain_type  SNOW\r\n}\r\n\r\n\"\r\n"
        "\"\xb5\xba,\xb1\xb1\",\"create_land\r\n{\r\nland_percent  5\r\n}\r\n\r\n\"\r\n"
        "0\r\n"
        "1\r\n"
        "1\r\n"
        "\"\xb3\xc7\xd5\xf2\xd6\xd0\xd0\xc4\",\"create_object  TOWN_CENTER /* \xcc\xed\xbc\xd3\xb5\xa5\xce\xbb"
        "\xa3\xba\xb3\xc7\xd5\xf2\xd6\xd0\xd0\xc4 */\r\n{\r\n}\r\n\r\n\"\r\n"
        "1,1,0,0,1,0,0,0,0,0,0,0,0,0,0,2\r\n"
        "1,\"15\",\"800\"\r\n"
        "1,\"3\",\"6\",\"7\",\"9\",55,\"4\"\r\n"
        "1,0,1,0,2\r\n"
        "#FALSE#,#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#TRUE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#\r\n"
        "5\r\n"
        "\"\xc9\xb3\xc4\xae\",\"\xd1\xa9\",\"\xbf\xed\",\"5\",\"\xc9\xad\xc1\xd6\",\"\xd6\xd0\",\"\xbf\xed\","
        "\"\xd5\xad\",\"\xd6\xd0\"\r\n";

    WizardModel m(nullptr);
    QString error;
    QVERIFY2(m.applyDraft(draft, &error), qPrintable(error));
    const Settings &s = m.settings();

    QCOMPARE(s.slider(QStringLiteral("Slider1")), 60);
    QCOMPARE(s.slider(QStringLiteral("Slider5")), 3);
    QCOMPARE(s.check(QStringLiteral("Check1")), 1);
    QVERIFY(s.option(QStringLiteral("Option3")) && !s.option(QStringLiteral("Option1")));
    QCOMPARE(m.lands().lines(), QStringList({U("雪"), U("岛,北")}));
    QCOMPARE(m.lands().block(1), QStringLiteral("create_land\r\n{\r\nland_percent  5\r\n}\r\n\r\n"));
    QCOMPARE(m.terrains().count(), 0);
    QCOMPARE(s.check(QStringLiteral("Check30")), 1);
    QCOMPARE(m.units().lines(), QStringList({U("城镇中心")}));
    QVERIFY(m.units().block(0).startsWith(U("create_object  TOWN_CENTER /* 添加单位：城镇中心 */\r\n{")));
    QCOMPARE(s.check(QStringLiteral("Check12")), 1);
    QCOMPARE(s.check(QStringLiteral("Check31")), 2);
    QCOMPARE(s.text(QStringLiteral("Text9")), QStringLiteral("800"));
    QCOMPARE(s.slider(QStringLiteral("Slider8")), 55);
    QCOMPARE(s.check(QStringLiteral("Check29")), 2);
    for (const char *chosen : {"Option14", "Option7", "Option17", "Option19"})
        QVERIFY2(s.option(QString::fromLatin1(chosen)), chosen);
    QCOMPARE(m.xn(), qint64(5));
    QCOMPARE(s.text(QStringLiteral("Combo1")), U("沙漠"));
    QCOMPARE(s.text(QStringLiteral("Combo9")), U("森林"));
    QCOMPARE(s.text(QStringLiteral("Combo13")), U("中"));

    // We write that format exactly.
    QCOMPARE(Encode(m), draft);
}

void DraftsTest::separatorsAreInterchangeable()
{
    WizardModel source(nullptr);
    MakeRich(source, 3);
    const QByteArray loose = Loosened(Encode(source));
    bool inText = false;
    for (char c : loose) {
        inText = inText != (c == '"');
        QVERIFY(inText || (c != ',' && c != '\r'));
    }

    WizardModel target(nullptr);
    QString error;
    QVERIFY2(target.applyDraft(loose, &error), qPrintable(error));
    COMPARE_STATE(Take(target), Take(source));

    // A file without the final line break is still whole.
    QByteArray unended = Encode(source);
    unended.chop(2);
    WizardModel other(nullptr);
    QVERIFY2(other.applyDraft(unended, &error), qPrintable(error));
    COMPARE_STATE(Take(other), Take(source));
}

void DraftsTest::restoresXnForNumberedUnits()
{
    ScriptedDialogs dialogs;
    WizardModel source(&dialogs);
    for (int i = 0; i < 3; ++i) {
        Set(source, "Label55", "7");
        source.addUnit();
    }
    QCOMPARE(source.xn(), qint64(3));

    WizardModel target(&dialogs);
    QString error;
    QVERIFY2(target.applyDraft(Encode(source), &error), qPrintable(error));
    QCOMPARE(target.xn(), qint64(3));
    Set(target, "Label55", "7");
    target.addUnit();
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(target.units().count(), 4);
    QVERIFY2(target.units().block(3).startsWith(QStringLiteral("#const  X4  ")), qPrintable(target.units().block(3)));
}

void DraftsTest::zoneRecordOnlyWithZonesSetTogether()
{
    WizardModel source(nullptr);
    MakeRich(source, 1);
    Set(source, "Check33", "0");
    const QByteArray apart = Encode(source);
    QVERIFY(apart.startsWith("0\r\n1\r\n\"land 1")); // the land list follows at once

    WizardModel target(nullptr);
    Set(target, "Slider1", "12");
    Set(target, "Slider2", "29");
    Set(target, "Check1", "1");
    Set(target, "Option4", "true");
    const QStringList zone = {"Slider1", "Slider2", "Check1",  "Slider3", "Slider4",
                              "Slider5", "Option1", "Option2", "Option3", "Option4"};
    QStringList before;
    for (const QString &name : zone)
        before << target.settings().toString(name);
    QString error;
    QVERIFY2(target.applyDraft(apart, &error), qPrintable(error));
    QCOMPARE(target.settings().check(QStringLiteral("Check33")), 0);
    for (int i = 0; i < zone.size(); ++i)
        QCOMPARE(target.settings().toString(zone[i]), before[i]);
    QVERIFY(!target.isEnabled(QStringLiteral("Frame2")));

    // A grey Check33 is written without the zone record and read back as grey.
    Set(source, "Check33", "2");
    const QByteArray grey = Encode(source);
    QVERIFY(grey.startsWith("2\r\n1\r\n"));
    QVERIFY2(target.applyDraft(grey, &error), qPrintable(error));
    QCOMPARE(target.settings().check(QStringLiteral("Check33")), 2);
    QCOMPARE(target.settings().slider(QStringLiteral("Slider1")), 12);
}

void DraftsTest::leavesWhatADraftDoesNotHold()
{
    WizardModel source(nullptr);
    MakeRich(source, 2);

    // The editors' inputs, the page and the built script are no part of a draft.
    WizardModel target(nullptr);
    static const char *const editorInputs[][2] = {{"Label55", "7"},  {"Text6", "9"},      {"Combo15", "冰"},
                                                  {"Slider6", "77"}, {"Option6", "true"}, {"Check37", "1"},
                                                  {"Combo17", "3"}};
    for (const auto &v : editorInputs)
        Set(target, v[0], v[1]);
    for (int i = 0; i < WizardModel::kLastPage; ++i)
        target.next();
    const QString script = target.script();

    QString error;
    QVERIFY2(target.applyDraft(Encode(source), &error), qPrintable(error));
    for (const auto &v : editorInputs)
        QCOMPARE(target.settings().toString(QString::fromLatin1(v[0])), U(v[1]));
    QCOMPARE(target.page(), WizardModel::kLastPage);
    QCOMPARE(target.script(), script);
}

void DraftsTest::appliesThroughTheControlRules()
{
    // Both animals of a pair at 1: applied in record order, so the second wins.
    QByteArray pair = DefaultWith(6, "0,0,0,0,1,1,1,1,0,1,1,0,1,1,0,0");
    WizardModel m(nullptr);
    QString error;
    QVERIFY2(m.applyDraft(pair, &error), qPrintable(error));
    const Settings &s = m.settings();
    for (const char *cleared : {"Check12", "Check14", "Check17", "Check20"})
        QVERIFY2(s.check(QString::fromLatin1(cleared)) == 0, cleared);
    for (const char *kept : {"Check13", "Check15", "Check18", "Check21"})
        QVERIFY2(s.check(QString::fromLatin1(kept)) == 1, kept);

    // A grey box neither clears nor is cleared.
    QVERIFY2(m.applyDraft(DefaultWith(6, "0,0,0,0,2,1,1,2,0,0,0,0,0,0,0,0"), &error), qPrintable(error));
    QCOMPARE(s.check(QStringLiteral("Check12")), 2);
    QCOMPARE(s.check(QStringLiteral("Check13")), 1);
    QCOMPARE(s.check(QStringLiteral("Check14")), 1);
    QCOMPARE(s.check(QStringLiteral("Check15")), 2);

    // Two options of a group true: the last applied wins. Derived states follow the values.
    QVERIFY2(m.applyDraft(DefaultWith(1, "64,10,1,10,5,8,#TRUE#,#TRUE#,#FALSE#,#TRUE#"), &error), qPrintable(error));
    QVERIFY(s.option(QStringLiteral("Option4")));
    QVERIFY(!s.option(QStringLiteral("Option1")) && !s.option(QStringLiteral("Option2")));
    QVERIFY(m.isEnabled(QStringLiteral("Combo3")));
    QCOMPARE(m.caption(QStringLiteral("Label4")), QStringLiteral("64%"));
}

void DraftsTest::refusesMalformedDrafts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem"); // part of the message

    QTest::newRow("empty file") << QByteArray() << U("空");
    QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n") << U("空");

    QTest::newRow("land count 101") << DefaultWith(2, "101") << U("第3行：已添加陆地的个数应为 0～100 的整数");
    QTest::newRow("land count -1") << DefaultWith(2, "-1") << U("第3行：已添加陆地的个数");
    QTest::newRow("terrain count -1") << DefaultWith(3, "-1") << U("第4行：已添加地形的个数");
    QTest::newRow("unit count 101") << DefaultWith(5, "101") << U("第6行：已添加单位的个数");
    QTest::newRow("count with a fraction") << DefaultWith(2, "1.5") << U("第3行：已添加陆地的个数");
    QTest::newRow("more items promised than given")
        << DefaultWith(2, "2\r\n\"a\",\"b\"") << U("第5行：第 2 个已添加陆地的名称");

    QTest::newRow("check box 3") << DefaultWith(6, "0,0,0,0,3,0,0,0,0,0,0,0,0,0,0,0")
                                 << U("第7行：“绵羊”应为 0～2 的整数");
    QTest::newRow("check box -1") << DefaultWith(0, "-1") << U("“统一设置游戏者区域”");
    QTest::newRow("check box with plus sign") << DefaultWith(4, "+1") << U("“混合水域”");
    QTest::newRow("slider below range") << DefaultWith(1, "50,7,0,10,5,8,#TRUE#,#FALSE#,#FALSE#,#FALSE#")
                                        << U("“每个游戏者区域最小半径”应为 8～30 的整数");
    QTest::newRow("slider above range") << DefaultWith(8, "0,\"4\",\"10\",\"5\",\"11\",101,\"5\"") << U("“悬崖形状”");
    QTest::newRow("slider huge") << DefaultWith(1, "99999999999999999999999,10,0,10,5,8,#TRUE#,#FALSE#,#FALSE#,#FALSE#")
                                 << U("“占地图总大小的百分比”（统一设置游戏者区域）");

    QTest::newRow("boolean in lower case") << DefaultWith(
        10, "#true#,#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#")
                                           << U("“浮萍”（连接所有游戏者）");
    QTest::newRow("boolean as a number") << DefaultWith(1, "50,10,0,10,5,8,1,#FALSE#,#FALSE#,#FALSE#")
                                         << U("“每个游戏者都在不同的区域”");

    QByteArray unclosed = Crlf(DefaultRecords());
    unclosed.chop(3);
    QTest::newRow("missing closing quote at the end") << unclosed << U("双引号");
    QTest::newRow("missing closing quote in a block")
        << DefaultWith(2, "1\r\n\"a\",\"create_land\r\n{") << U("第 1 个已添加陆地的脚本");

    QTest::newRow("text where a number belongs") << DefaultWith(0, "\"1\"") << U("带引号");
    QTest::newRow("number where a text belongs") << DefaultWith(7, "0,12,\"1000\"") << U("“丛数”应为带双引号的文本");
    QTest::newRow("empty field") << DefaultWith(6, "0,,0,0,0,0,0,0,0,0,0,0,0,0,0,0") << U("“基本村民数及侦察兵”");
    QTest::newRow("letters for xn") << DefaultWith(11, "abc") << U("第12行：已用的单位常量编号");
    QTest::newRow("negative xn") << DefaultWith(11, "-1") << U("单位常量编号");
    QTest::newRow("absurd xn") << DefaultWith(11, "99999999999") << U("单位常量编号");
    QTest::newRow("NUL in a number") << DefaultWith(0, QByteArray("1\0", 2)) << U("“统一设置游戏者区域”");
    QTest::newRow("bytes after a closing quote") << DefaultWith(7, "0,\"12\"x,\"1000\"") << U("多余");
    QTest::newRow("text that is not GBK")
        << DefaultWith(12, "\"\x81\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\"") << U("GBK");
    QTest::newRow("draft in UTF-8") << DefaultWith(12, "\"草1\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\"")
                                    << U("GBK");

    QList<QByteArray> short16 = DefaultRecords();
    short16.removeLast();
    QTest::newRow("record 16 missing") << Crlf(short16) << U("文件在第13行提前结束了，缺少“基本地形”");
    QTest::newRow("too few combo texts") << DefaultWith(12, "\"a\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\",\"a\"")
                                         << U("缺少“宽度”（连接同组游戏者，连接陆地）");
    QTest::newRow("bytes after the last record") << Crlf(DefaultRecords()) + "\r\nx\r\n"
                                                 << U("第15行：草稿到这里已经完整");
    QTest::newRow("a draft twice") << Crlf(DefaultRecords()) + Crlf(DefaultRecords()) << U("多余的内容");

    QRandomGenerator random(4);
    for (int size : {1, 64, 4096}) {
        QByteArray noise(size, '\0');
        for (char &c : noise)
            c = char(random.bounded(256));
        QTest::newRow(qPrintable(QStringLiteral("%1 random bytes").arg(size))) << noise << QString();
    }
}

void DraftsTest::refusesMalformedDrafts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);

    WizardModel m(nullptr);
    MakeRich(m, 2);
    Set(m, "Check33", "0"); // so that a zone record would show
    const Snapshot before = Take(m);
    QSignalSpy changes(&m, &WizardModel::changed);

    QString error;
    QVERIFY(!m.applyDraft(bytes, &error));
    QVERIFY2(error.contains(problem), qPrintable(error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(!NamesAControl(error), qPrintable(error));
    COMPARE_STATE(Take(m), before);
    QCOMPARE(m.settings().revision(), before.revision);
    QCOMPARE(changes.count(), 0);
}

void DraftsTest::refusesEveryTruncation()
{
    WizardModel source(nullptr);
    MakeRich(source, 2);
    const QByteArray bytes = Encode(source);

    WizardModel m(nullptr);
    Set(m, "Text8", "unchanged");
    m.replaceItems(Items(1, QStringLiteral("kept")), ItemStore(), ItemStore(), 9);
    const Snapshot before = Take(m);
    // Everything up to the closing quote of the last text is needed.
    const qsizetype whole = bytes.size() - 2;
    for (qsizetype size = 0; size < whole; ++size) {
        QString error;
        if (m.applyDraft(bytes.left(size), &error))
            QFAIL(qPrintable(QStringLiteral("a draft cut to %1 of %2 bytes opened").arg(size).arg(bytes.size())));
        if (error.isEmpty() || NamesAControl(error) || Take(m).values != before.values
            || Take(m).lines[0] != before.lines[0] || m.xn() != before.xn)
            QFAIL(qPrintable(QStringLiteral("cut to %1 bytes: error \"%2\" or a changed model").arg(size).arg(error)));
    }
}

void DraftsTest::readsTextsAsTheWholeConverterDoes()
{
    // The reader copies ASCII past the converter and converts only the runs
    // between, with one converter for all the texts of a file. Each text must
    // read as converting all of its bytes at once reads it, and be refused
    // exactly when that meets an error: at every seam between ASCII and
    // characters of two bytes, whose second byte may itself be ASCII, with
    // the bytes that stand alone (0x80, 0xFF) and with characters cut off.
    const QByteArray pool[] = {"a",        "@",        "\r\n",     "\x80",     "\xff",     "\x81", "\xfe",
                               "\xd6\xd0", "\xb2\xdd", "\x81\x40", "\x81\x7f", "\x81\x30", "\xa1"};
    QRandomGenerator random(11);
    GbkReader reader;
    int read = 0;
    for (int k = 0; k < 20000; ++k) {
        QByteArray bytes;
        for (int n = int(random.bounded(8)); n > 0; --n)
            bytes += pool[random.bounded(int(std::size(pool)))];
        QStringDecoder whole("GBK", QStringConverter::Flag::Stateless);
        const QString expected = whole.decode(bytes);
        // A reader refuses for good, so a refused text gets a reader of its own.
        GbkReader once;
        QString text;
        const bool valid = !whole.hasError();
        QVERIFY2(once.read(bytes, &text) == valid, bytes.toHex(' ').constData());
        if (valid) {
            QCOMPARE(text, expected);
            QVERIFY(reader.read(bytes, &text));
            QCOMPARE(text, expected);
            ++read;
        }
    }
    QVERIFY(read > 1000);
}

void DraftsTest::refusesTextsTheFormatCannotKeep()
{
    struct Case {
        const char *name;
        std::function<void(WizardModel &)> put;
        QString named;
    };
    // clang-format off
    const QVector<Case> cases = {
        {"text field", [](WizardModel &m) { Set(m, "Text8", "12\""); }, U("“丛数”中含有双引号")},
        {"combo", [](WizardModel &m) { Set(m, "Combo9", "\"雪\""); }, U("“所在地形”")},
        {"list line",
         [](WizardModel &m) {
             ItemStore units = Items(2, QStringLiteral("u"));
             units.add(QStringLiteral("say \"hi\""), units.block(0));
             m.replaceItems(ItemStore(), ItemStore(), units, 0);
         },
         U("第 3 个已添加单位“say \"hi\"”中含有双引号")},
        {"block",
         [](WizardModel &m) {
             ItemStore lands;
             lands.add(QStringLiteral("plain"), QStringLiteral("create_land\r\n{\r\n\"\r\n}\r\n"));
             m.replaceItems(lands, ItemStore(), ItemStore(), 0);
         },
         U("第 1 个已添加陆地“plain”的脚本中")},
        // GBK has no snowman: it would come back as "?".
        {"character GBK lacks", [](WizardModel &m) { Set(m, "Text9", "10\u2603"); },
         U("“共占用格子数”中含有GBK 无法表示的字符")},
        {"character outside the BMP",
         [](WizardModel &m) { Set(m, "Combo1", "\U0001F600"); }, U("😀")},
    };
    // clang-format on
    for (const Case &c : cases) {
        WizardModel m(nullptr);
        c.put(m);
        QByteArray bytes = "untouched";
        QString error;
        QVERIFY2(!EncodeDraft(m.project(), &bytes, &error), c.name);
        QVERIFY2(error.contains(c.named) && !NamesAControl(error), qPrintable(error));
        QCOMPARE(bytes, QByteArray("untouched"));
    }

    // Through the save command: a warning, and the file on disk stays as it was.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.qlx"));
    QVERIFY(testing::WriteFile(path, "old draft"));
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    Set(m, "Text14", "5\"");
    dialogs.fileNames << path;
    QVERIFY(!m.saveDraft());
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, U("注意"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Warning);
    QVERIFY2(dialogs.messages[0].text.contains(U("“悬崖之间最小距离”")), qPrintable(dialogs.messages[0].text));
    QCOMPARE(testing::ReadFile(path), QByteArray("old draft"));
}

void DraftsTest::everySettingHasANameOfItsOwn()
{
    // Messages tell settings apart by these names alone.
    QStringList settings = {"Lst0", "Lst1", "Lst2", "xn"};
    for (const ControlDef &def : ControlTable())
        settings << QString::fromLatin1(def.name);
    QHash<QString, QString> owners;
    for (const QString &setting : settings) {
        const QString name = SettingName(setting);
        QVERIFY2(!name.isEmpty() && !owners.contains(name),
                 qPrintable(setting + QLatin1Char(' ') + name + QLatin1Char(' ') + owners.value(name)));
        owners.insert(name, setting);
    }
}

void DraftsTest::openCommandAsksAndReports()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.qlx"));
    const QString bad = dir.filePath(QStringLiteral("bad.qlx"));
    {
        WizardModel source(nullptr);
        MakeRich(source, 4);
        QString error;
        QVERIFY2(source.saveDraftTo(good, &error), qPrintable(error));
        QVERIFY(testing::WriteFile(bad, DefaultWith(2, "101")));
    }

    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    Set(m, "Slider1", "88");
    const Snapshot before = Take(m);

    // Cancel, or a save that did not happen, ends the command before the file dialog.
    dialogs.answers = {Answer::Cancel, Answer::Yes};
    dialogs.fileNames = {QString(), good};
    QVERIFY(!m.openDraft());
    QVERIFY(!m.openDraft());
    QCOMPARE(dialogs.fileNames, QStringList{good});
    COMPARE_STATE(Take(m), before);
    const auto &q = dialogs.questions.last();
    QCOMPARE(q.title, U("注意"));
    QCOMPARE(q.text, U("设置和已添加的项目有改动，尚未保存为草稿。打开草稿会替换这些改动（按 Ctrl+Z 可以撤销）。"
                       "要先保存草稿吗？"));

    // A cancelled file dialog changes nothing and says nothing.
    dialogs.answers = {Answer::No};
    dialogs.fileNames.clear();
    QVERIFY(!m.openDraft());
    COMPARE_STATE(Take(m), before);
    QVERIFY(dialogs.messages.isEmpty());

    // A malformed or missing file: an error that says nothing was changed.
    for (const QString &path : {bad, dir.filePath(QStringLiteral("missing.qlx"))}) {
        dialogs.answers = {Answer::No};
        dialogs.fileNames = {path};
        QVERIFY(!m.openDraft());
        COMPARE_STATE(Take(m), before);
        QCOMPARE(dialogs.messages.size(), 1);
        const auto message = dialogs.messages.takeFirst();
        QCOMPARE(message.title, U("错误"));
        QCOMPARE(message.icon, MessageIcon::Error);
        QVERIFY2(message.text.contains(path) && message.text.contains(U("没有做任何更改")), qPrintable(message.text));
    }

    dialogs.answers = {Answer::No};
    dialogs.fileNames = {good};
    QVERIFY(m.openDraft());
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(m.settings().slider(QStringLiteral("Slider1")), 37);
    QCOMPARE(m.lands().count(), 4);

    // Nothing unsaved, nothing asked; the dialog starts on the draft open now.
    const qsizetype asked = dialogs.questions.size();
    dialogs.fileNames = {good};
    QVERIFY(m.openDraft());
    QCOMPARE(dialogs.questions.size(), asked);
    QCOMPARE(dialogs.proposedNames.last(), good);
}

void DraftsTest::saveCommandReports()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);

    dialogs.fileNames.clear();
    QVERIFY(!m.saveDraft()); // cancelled
    QVERIFY(dialogs.messages.isEmpty());

    // Unwritable places: a missing folder, a folder's own name.
    for (const QString &path : {dir.filePath(QStringLiteral("no/such/dir/d.qlx")), dir.path()}) {
        dialogs.fileNames = {path};
        QVERIFY(!m.saveDraft());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].title, U("错误"));
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Error);
        dialogs.messages.clear();
    }

    // Saved: the records of a new model, exactly.
    const QString path = dir.filePath(QStringLiteral("d.qlx"));
    dialogs.fileNames = {path};
    QVERIFY(m.saveDraft());
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(testing::ReadFile(path), Crlf(DefaultRecords()));
}

QTEST_GUILESS_MAIN(DraftsTest)
#include "test_drafts.moc"
