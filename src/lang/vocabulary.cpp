#include "lang/vocabulary.h"

#include <QFile>
#include <QHash>

namespace quorlin::lang {

namespace {

// clang-format off
const struct { const char *name; WordKind kind; } kKinds[] = {
    {"section", WordKind::Section},     {"flow", WordKind::Flow},           {"directive", WordKind::Directive},
    {"command", WordKind::Command},     {"attribute", WordKind::Attribute}, {"toplevel", WordKind::TopLevel},
};
const struct { const char *name; ArgKind kind; } kArgKinds[] = {
    {"int", ArgKind::Int},   {"pct", ArgKind::Percent}, {"const", ArgKind::Constant},
    {"flag", ArgKind::Flag}, {"name", ArgKind::Name},   {"file", ArgKind::File},
};
const struct { const char *name; Dialect dialect; } kDialects[] = {
    {"classic", Dialect::Classic}, {"patched", Dialect::Patched}, {"modern", Dialect::Modern},
};
// clang-format on

// A constant of the classic game that the tables leave out; the wizard's
// unit picker offers it.
const ConstantInfo kUnlisted[] = {{QStringLiteral("ES_FLAG"), 851, QStringLiteral("object"), Dialect::Classic, true}};

// The rows of a built-in table without its header; each row split at tabs.
QVector<QStringList> ReadTable(const QString &file)
{
    QFile in(QStringLiteral(":/quorlin/lang/") + file);
    if (!in.open(QIODevice::ReadOnly))
        qFatal("the language table %s is not built in", qPrintable(file));
    QVector<QStringList> rows;
    const QList<QByteArray> lines = in.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!lines[i].trimmed().isEmpty())
            rows << QString::fromUtf8(lines[i]).split(QLatin1Char('\t'));
    return rows;
}

Dialect DialectOf(const QString &name) { return DialectFromName(name).value_or(Dialect::Classic); }

std::optional<int> OptionalInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

struct Tables {
    std::vector<WordInfo> words;
    std::vector<ConstantInfo> constants;
    std::vector<LabelInfo> labels;
    // Keys view the names held above, which never move once loaded.
    QHash<QStringView, const WordInfo *> wordIndex;
    QHash<QStringView, const ConstantInfo *> constantIndex;
    QHash<QStringView, const LabelInfo *> labelIndex;
    QHash<int, const WordInfo *> idIndex;
    QStringList names;

    Tables()
    {
        for (const QStringList &r : ReadTable(QStringLiteral("words.tsv"))) {
            WordInfo w;
            w.word = r.value(0);
            for (const auto &k : kKinds)
                if (r.value(1) == QLatin1String(k.name))
                    w.kind = k.kind;
            w.where = r.value(2).split(QLatin1Char(','), Qt::SkipEmptyParts);
            for (QString arg : r.value(3).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                ArgSpec wanted;
                wanted.optional = arg.endsWith(QLatin1Char('?'));
                if (wanted.optional)
                    arg.chop(1);
                for (const auto &k : kArgKinds)
                    if (arg == QLatin1String(k.name))
                        wanted.kind = k.kind;
                w.args.push_back(wanted);
            }
            w.repeatable = r.value(4) != QLatin1String("no");
            w.min = OptionalInt(r.value(5));
            w.max = OptionalInt(r.value(6));
            w.defaultValue = r.value(7);
            w.dialect = DialectOf(r.value(8));
            w.doc = r.value(9);
            w.id = OptionalInt(r.value(10));
            words.push_back(std::move(w));
        }
        for (const QStringList &r : ReadTable(QStringLiteral("constants.tsv"))) {
            const std::optional<int> value = OptionalInt(r.value(1));
            constants.push_back({r.value(0), value.value_or(0), r.value(2), DialectOf(r.value(3)), value.has_value()});
        }
        for (const ConstantInfo &c : kUnlisted)
            constants.push_back(c);
        for (const QStringList &r : ReadTable(QStringLiteral("labels.tsv")))
            labels.push_back({r.value(0), r.value(1), DialectOf(r.value(2))});
        for (const WordInfo &w : words) {
            wordIndex.insert(w.word, &w);
            if (w.id)
                idIndex.insert(*w.id, &w);
            names << w.word;
        }
        for (const ConstantInfo &c : constants) {
            constantIndex.insert(c.name, &c);
            names << c.name;
        }
        for (const LabelInfo &l : labels) {
            labelIndex.insert(l.label, &l);
            names << l.label;
        }
    }
};

const Tables &TheTables()
{
    static const Tables tables;
    return tables;
}

} // namespace

const WordInfo *FindWord(QStringView word) { return TheTables().wordIndex.value(word); }
const ConstantInfo *FindConstant(QStringView name) { return TheTables().constantIndex.value(name); }
const LabelInfo *FindLabel(QStringView label) { return TheTables().labelIndex.value(label); }
const WordInfo *FindWordById(int id) { return TheTables().idIndex.value(id); }

const WordInfo *WordOfNumber(QStringView value)
{
    bool number = false;
    const int id = value.toInt(&number);
    const WordInfo *word = number ? FindWordById(id) : nullptr;
    const bool mayStand = word
                          && (word->kind == WordKind::Command || word->kind == WordKind::Attribute
                              || word->kind == WordKind::TopLevel);
    return mayStand ? word : nullptr;
}
const QStringList &AllNames() { return TheTables().names; }

WordKind KindOfWord(QStringView word)
{
    if (const WordInfo *w = FindWord(word))
        return w->kind;
    if (FindConstant(word))
        return WordKind::Constant;
    if (FindLabel(word))
        return WordKind::Label;
    return WordKind::Unknown;
}

QString DialectName(Dialect dialect)
{
    for (const auto &d : kDialects)
        if (d.dialect == dialect)
            return QString::fromLatin1(d.name);
    return {};
}

std::optional<Dialect> DialectFromName(QStringView name)
{
    for (const auto &d : kDialects)
        if (name == QLatin1String(d.name))
            return d.dialect;
    return std::nullopt;
}

} // namespace quorlin::lang
