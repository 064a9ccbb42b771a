// What published scripts write, read as the game reads it: each small
// script of tests/data/lang_cases, checked for the later edition, finds
// exactly the problems listed here, at their line and with their severity.
#include <QtTest>

#include "lang/check.h"
#include "lang/reader.h"
#include "test_script_support.h"

using namespace quorlin::lang;

namespace {

struct Expected {
    const char *id;
    Severity severity;
    int line, column;
    const char *says; // a piece of the message, or ""
};

QString Describe(const QVector<Problem> &problems)
{
    QStringList lines;
    for (const Problem &p : problems)
        lines << QStringLiteral("%1:%2 %3 %4").arg(p.line).arg(p.column).arg(p.id, p.message);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class LangCasesTest : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
};

void LangCasesTest::reading_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QVector<Expected>>("expected");
    const Severity E = Severity::Error, W = Severity::Warning, I = Severity::Info;
    auto row = [](const char *file, QVector<Expected> expected) {
        QTest::newRow(file) << QString::fromLatin1(file) << expected;
    };
    // Read right and clean: arithmetic with blanks, negative borders, effects
    // in any section, object groups, a command's block branch by branch, the
    // "everything else" chance, an integer past 32 bits.
    for (const char *clean : {"b01-negative-border", "b02-effect-in-objects", "c01-arith-spaces", "c03-object-group",
                              "c04-block-in-branches", "c05-percent-remainder", "c06-big-integer"})
        row(clean, {});
    row("a01-if-comparison", {{"if-comparison", E, 8, 3, "LENGTH > 220"}});
    row("c02-include-names",
        {{"included-name", W, 9, 14, "F_seasons.inc"}, {"included-name", W, 10, 36, "F_seasons.inc"}});
    row("c07-stray-word-before-block", {{"extra-argument", E, 7, 21, "create_object"}});
    // L is create_land: its block is checked as one, and number_of_objects is not a land's.
    row("c08-command-alias", {{"const-alias", I, 1, 8, "create_land"}, {"wrong-block", E, 7, 39, "number_of_objects"}});
    row("c09-const-alias-unknown", {{"unknown-constant", E, 1, 12, "BUSH_FOREST"}});
    row("c10-decimal", {{"number-expected", W, 6, 54, "3.5"}});
    row("d01-preprocessor-source", {{"preprocessor-source", E, 1, 1, "#HEADER_START"}});
    row("ok01-branches", {{"number-expected", E, 21, 40, "空格"}});
}

void LangCasesTest::reading()
{
    QFETCH(QString, file);
    QFETCH(QVector<Expected>, expected);
    const QString path = QStringLiteral(QUORLIN_TEST_DATA "/lang_cases/") + file + QStringLiteral(".rms");
    const QVector<Problem> problems = CheckScript(DecodeScript(testing::ReadFile(path)), Dialect::Modern);
    QVERIFY2(problems.size() == expected.size(), qPrintable(Describe(problems)));
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const Problem &p = problems[i];
        const Expected &e = expected[i];
        QVERIFY2(p.id == QLatin1String(e.id) && p.severity == e.severity && p.line == e.line && p.column == e.column
                     && p.message.contains(QString::fromUtf8(e.says)),
                 qPrintable(Describe(problems)));
    }
}

QTEST_GUILESS_MAIN(LangCasesTest)
#include "test_lang_cases.moc"
