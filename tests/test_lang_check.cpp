// The script checker: each check on a planted fault, the samples and the
// wizard's own scripts clean, and numbers typed into the wizard flagged.
#include <QtTest>

#include "core/controls.h"
#include "core/text_files.h"
#include "lang/check.h"
#include "lang/reader.h"
#include "names/picker_lists.h"
#include "names/terrain_names.h"
#include "script/script_file.h"
#include "test_script_support.h"
#include "wizard/wizard_model.h"

using namespace quorlin;
using namespace quorlin::lang;

namespace {

// A land page and an object page as a designer writes them.
const char kLand[] = "/* two lands */\n"
                     "<PLAYER_SETUP>\n"
                     "random_placement\n"
                     "<LAND_GENERATION>\n"
                     "base_terrain GRASS\n"
                     "create_player_lands {\n"
                     "  terrain_type DIRT\n"
                     "  land_percent 40\n"
                     "}\n";

QString Describe(const QVector<Problem> &problems)
{
    QStringList lines;
    for (const Problem &p : problems)
        lines << QStringLiteral("%1:%2 %3 %4").arg(p.line).arg(p.column).arg(p.id, p.message);
    return lines.join(QLatin1Char('\n'));
}

// `#const A0 32`, then each name defined as the one before it, then the last one used as a command.
QString AliasChain(int length)
{
    QString text = QStringLiteral("#const A0 32\n");
    for (int i = 1; i < length; ++i)
        text += QStringLiteral("#const A%1 A%2\n").arg(i).arg(i - 1);
    return text + QStringLiteral("A%1 { x }\n").arg(length - 1);
}

int Errors(const QVector<Problem> &problems)
{
    return int(std::count_if(problems.begin(), problems.end(),
                             [](const Problem &p) { return p.severity == Severity::Error; }));
}

} // namespace

class LangCheckTest : public QObject {
    Q_OBJECT

private slots:
    void plantedFault_data();
    void plantedFault();
    void gluedNote();
    void samplesAreClean();
    void wizardScriptsAreClean();
    void typedNumbersAreFlagged();
    void badInputIsBounded();
    void commandLine();
};

void LangCheckTest::plantedFault_data()
{
    // The fault's word is marked with "@"; it is what the problem must cover.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("hint"); // a word the message must name
    auto row = [](const char *name, const char *tail, const char *id, bool error, const char *hint = "") {
        QTest::newRow(name) << QString::fromUtf8(kLand) + QString::fromUtf8(tail) << QString::fromLatin1(id) << error
                            << QString::fromUtf8(hint);
    };
    row("unclosed brace", "create_land @{ terrain_type DESERT\n<OBJECTS_GENERATION>\n", "brace-unclosed", true);
    row("stray close", "create_land { terrain_type DESERT }\n@}\n", "brace-stray-close", true);
    row("stray open", "create_land { terrain_type DESERT } @{\n", "brace-stray-open", true);
    row("no block", "<OBJECTS_GENERATION>\n@create_object GOLD\n", "block-missing", true);
    row("if open at the end", "@if TINY_MAP\n  base_terrain DESERT\n", "if-unclosed", false);
    row("if open over sections", "@if TINY_MAP\n  base_terrain DESERT\n<OBJECTS_GENERATION>\n", "if-unclosed", true);
    row("random never closed", "@start_random percent_chance 50 #define A\n", "random-unclosed", true);
    row("else alone", "@else\n", "flow-unmatched", true);
    row("elseif after else", "if A #define B else #define C @elseif D #define E endif\n", "flow-after-else", true);
    row("comment open", "@/* note\nbase_terrain DESERT\n", "comment-unclosed", true);
    row("stray comment end", "note @*/\n", "comment-stray-close", true);
    row("glued comment", "@/*note */\n", "comment-glued", false);
    row("glued end in a comment", "/* note @text*/ more */\n", "comment-glued", true);
    row("known word in a glued note", "/*note @create_land */\n", "block-missing", true);
    row("typo", "create_land { @terain_type DESERT }\n", "unknown-word", true, "terrain_type");
    row("capitals", "create_land { @Land_percent 5 }\n", "unknown-word", true, "land_percent");
    row("missing value", "create_land { @border_fuzziness }\n", "argument-missing", true);
    row("variance left out", "<CONNECTION_GENERATION>\ncreate_connect_all_lands { @terrain_size WATER 2 }\n",
        "argument-missing", false);
    row("decimal", "create_land { land_percent @2.5 }\n", "number-expected", true, "2.5");
    row("word for a number", "create_land { base_size @abc }\n", "number-expected", true, "abc");
    row("percent too large", "create_land { land_percent @150 }\n", "out-of-range", true);
    row("negative count", "create_land { base_size @-3 }\n", "out-of-range", false);
    row("one too many", "create_land { land_percent 10 @20 }\n", "extra-argument", true);
    row("number for a name", "<OBJECTS_GENERATION>\ncreate_object @83 { }\n", "name-expected", true);
    row("wrong section", "@create_elevation 3 { }\n", "wrong-section", true, "<ELEVATION_GENERATION>");
    row("wrong block", "create_land { @number_of_objects 3 }\n", "wrong-block", true);
    row("outside a block", "@land_percent 5\n", "outside-block", true);
    row("unknown constant", "create_land { terrain_type @DESRT }\n", "unknown-constant", true, "DESERT");
    row("later constant", "create_land { terrain_type @MY_SAND }\n#const MY_SAND 6\n", "unknown-constant", true);
    row("unknown label", "if @TINY_MAPS #define A endif\n", "unknown-label", false, "TINY_MAP");
    row("const of a word", "#const MY_TREE @abc\n", "const-not-number", true);
    row("two values", "#const MY_TREE 10\n#const @MY_TREE 11\n", "name-redefined", false);
    row("chances", "@start_random percent_chance 60 percent_chance 50 end_random\n", "percent-over-100", true);
    row("never chosen", "start_random percent_chance 60 percent_chance 40 @percent_chance 100 end_random\n",
        "branch-never-chosen", true);
    row("name for a number", "create_land { base_size @BIG_SIZE }\n", "unknown-constant", true);
    row("switched off", "/* #define WALLS */\nif @WALLS #define A endif\n", "label-switched-off", false);
    row("label near the file's", "#define AUTUMN_BIOME\nif @AUTMUMN_BIOME #define A endif\n", "unknown-label", false,
        "AUTUMN_BIOME");
    row("label near a table's", "if @GIANT_MAP #define A endif\n", "unknown-label", false, "GIGANTIC_MAP");
    row("twice", "create_land { land_percent 5 @land_percent 6 }\n", "duplicate", false);
    row("newer word", "<OBJECTS_GENERATION>\ncreate_object GOLD { @set_gaia_unconvertible }\n", "dialect", false);
    row("newer constant", "create_land { terrain_type @DLC_ROCK }\n", "dialect", false);
}

void LangCheckTest::plantedFault()
{
    QFETCH(QString, text);
    QFETCH(QString, id);
    QFETCH(bool, error);
    QFETCH(QString, hint);
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    text.remove(at, 1);
    const int line = int(text.left(at).count(QLatin1Char('\n'))) + 1;
    const int column = int(at - text.lastIndexOf(QLatin1Char('\n'), at - 1));
    qsizetype end = at;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    const QVector<Problem> problems = CheckScript(text);
    const auto found = std::find_if(problems.begin(), problems.end(), [&](const Problem &p) { return p.id == id; });
    QVERIFY2(found != problems.end(), qPrintable(Describe(problems)));
    QCOMPARE(found->line, line);
    QCOMPARE(found->column, column);
    QCOMPARE(found->length, int(end - at));
    QCOMPARE(found->severity == Severity::Error, error);
    QVERIFY2(found->message.contains(text.mid(at, end - at)) || found->id.startsWith(QLatin1String("brace")),
             qPrintable(found->message));
    QVERIFY2(found->message.contains(hint), qPrintable(found->message));
}

void LangCheckTest::gluedNote()
{
    // A box of stars around a title: one warning at its first mark, and the
    // words the game passes over inside it are no errors.
    const QString box = QStringLiteral("/*************\n  Valley by someone, 2020\n**************/\n");
    const QVector<Problem> problems = CheckScript(box + QString::fromUtf8(kLand));
    QVERIFY2(problems.size() == 1 && problems[0].id == QLatin1String("comment-glued") && problems[0].line == 1
                 && problems[0].severity == Severity::Warning,
             qPrintable(Describe(problems)));
    // With no mark that could end it, the note does not swallow the script.
    QCOMPARE(CheckScript(QStringLiteral("/*note\n") + QString::fromUtf8(kLand) + QStringLiteral("terain_type\n"))
                 .last()
                 .id,
             QStringLiteral("unknown-word"));
}

void LangCheckTest::samplesAreClean()
{
    // Each sample says its dialect in its name; in it, nothing at all is found,
    // and older dialects find no error, only warnings.
    const QDir dir(QStringLiteral(QUORLIN_TEST_DATA "/lang"));
    const QStringList files = dir.entryList({QStringLiteral("*.rms")});
    QVERIFY(files.size() >= 4);
    for (const QString &file : files) {
        const QString text = DecodeScript(testing::ReadFile(dir.filePath(file)));
        const Dialect own = file.contains(QLatin1String("modern"))    ? Dialect::Modern
                            : file.contains(QLatin1String("patched")) ? Dialect::Patched
                                                                      : Dialect::Classic;
        QVERIFY2(CheckScript(text, own).isEmpty(),
                 qPrintable(file + QLatin1Char('\n') + Describe(CheckScript(text, own))));
        for (Dialect d : {Dialect::Classic, Dialect::Patched, Dialect::Modern})
            QVERIFY2(Errors(CheckScript(text, d)) == 0, qPrintable(file));
    }
}

void LangCheckTest::wizardScriptsAreClean()
{
    const QDir golden(QStringLiteral(QUORLIN_TEST_DATA "/golden"));
    for (const QString &file : golden.entryList({QStringLiteral("*.rms")})) {
        const QVector<Problem> problems = CheckScript(DecodeScript(testing::ReadFile(golden.filePath(file))));
        QVERIFY2(problems.isEmpty(), qPrintable(file + QLatin1Char('\n') + Describe(problems)));
    }
    // Ordinary settings: every value in its range or from its list, with
    // lands, terrains and units added, the units from every picker list.
    QStringList units;
    for (const PickerCategory &category : PickerCategories())
        units += category.entries;
    QRandomGenerator random(20261208);
    for (int round = 0; round < 40; ++round) {
        WizardModel m(nullptr);
        for (const ControlDef &def : ControlTable()) {
            const QString name = QString::fromLatin1(def.name);
            QString value;
            switch (def.kind) {
            case ControlKind::Slider: value = QString::number(random.bounded(def.min, def.max + 1)); break;
            case ControlKind::Check: value = QString::number(random.bounded(2)); break;
            case ControlKind::Option: value = QStringLiteral("true"); break;
            case ControlKind::Text: value = QString::number(random.bounded(3, 30)); break;
            case ControlKind::EditableList:
            case ControlKind::ClosedList: {
                const QStringList entries = ListEntries(name);
                value = entries.value(random.bounded(qMax(1, int(entries.size()))));
                break;
            }
            case ControlKind::Display: continue;
            }
            if (random.bounded(3) == 0)
                m.setValue(name, value);
        }
        for (int k = round; k < units.size(); k += 40) {
            m.setValue(QStringLiteral("Label55"), units[k]);
            m.click(QStringLiteral("Command6"));
        }
        m.click(QStringLiteral("Command21"));
        m.click(QStringLiteral("Command4"));
        const QVector<Problem> problems = CheckScript(ScriptFileText(m.assemble()));
        QVERIFY2(Errors(problems) == 0, qPrintable(QStringLiteral("round %1\n").arg(round) + Describe(problems)));
    }
}

void LangCheckTest::typedNumbersAreFlagged()
{
    // Typed into the elevation's clump count, which goes into the script as typed.
    const struct {
        const char *typed, *id;
    } cases[] = {
        {"2.5", "number-expected"}, {"-3", "out-of-range"}, {"abc", "number-expected"}, {"", "argument-missing"}};
    for (const auto &c : cases) {
        WizardModel m(nullptr);
        m.setValue(QStringLiteral("Check23"), QStringLiteral("1"));
        m.setValue(QStringLiteral("Text8"), QString::fromUtf8(c.typed));
        const QString script = ScriptFileText(m.assemble());
        const QStringList lines = script.split(QStringLiteral("\r\n"));
        const int line = int(lines.indexOf(QStringLiteral("number_of_clumps  ") + QString::fromUtf8(c.typed))) + 1;
        QVERIFY(line > 0);
        const int column = *c.typed ? 19 : 1;
        const QVector<Problem> problems = CheckScript(script);
        QVERIFY2(problems.size() == 1 && problems[0].id == QLatin1String(c.id) && problems[0].line == line
                     && problems[0].column == column,
                 qPrintable(QStringLiteral("\"%1\": line %2\n").arg(QString::fromUtf8(c.typed)).arg(line)
                            + Describe(problems)));
    }
}

void LangCheckTest::badInputIsBounded()
{
    QByteArray binary(1 << 20, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 2654435761u) >> 13);
    for (const QString &text :
         {DecodeScript(binary),
          QStringLiteral("create_land {# land_percent# }").replace(QLatin1Char('#'), QChar(0)).repeated(50000),
          QStringLiteral("if A create_land { ").repeated(100000), QStringLiteral("x").repeated(1 << 20),
          // Arithmetic nested deep, a long chain of names for a word, many included files.
          QStringLiteral("land_percent ") + QStringLiteral("( ").repeated(100000) + QStringLiteral(") ").repeated(100000),
          AliasChain(100000),
          QStringLiteral("#include_drs F.inc\n").repeated(100000) + QStringLiteral("if X #define Y endif")}) {
        const QVector<Problem> problems = CheckScript(text);
        QVERIFY(!problems.isEmpty() && problems.size() <= kMaxProblems);
    }
}

void LangCheckTest::commandLine()
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.rms")), good = dir.filePath(QStringLiteral("good.rms"));
    {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(kLand) + "create_land { land_percent 2.5 }\n");
        QFile clean(good);
        QVERIFY(clean.open(QIODevice::WriteOnly));
        clean.write(quorlin::ToGbk(QString::fromUtf8(kLand) + QStringLiteral("/* 沙漠 */\n")));
    }
    const testing::Run found = testing::RunQuorlin({"check", good, bad});
    QCOMPARE(found.exitCode, 1);
    const QStringList out = QString::fromUtf8(found.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(out.size(), 2);
    QVERIFY2(out[0].startsWith(bad + QStringLiteral(":10:28: error: ")) && out[0].endsWith(" [number-expected]"),
             qPrintable(out[0]));
    QCOMPARE(out[1], QStringLiteral("1 个错误，0 个警告"));
    QCOMPARE(testing::RunQuorlin({"check", "--dialect", "modern", good}).exitCode, 0);
    QCOMPARE(testing::RunQuorlin({"check", "--dialect", "newest", good}).exitCode, 2);
    QCOMPARE(testing::RunQuorlin({"check", good, dir.filePath(QStringLiteral("missing.rms"))}).exitCode, 2);
    QCOMPARE(testing::RunQuorlin({"check"}).exitCode, 2);
    // The wizard's script checked as it is written; the exit code is the one without the check.
    const testing::Run generated =
        testing::RunQuorlin({"generate", "--check", "--set", "Check23=1", "--set", "Text8=2.5"});
    QCOMPARE(generated.exitCode, 0);
    QVERIFY2(generated.err.contains("[number-expected]") && generated.err.contains("1 个错误"),
             generated.err.constData());
}

QTEST_GUILESS_MAIN(LangCheckTest)
#include "test_lang_check.moc"
