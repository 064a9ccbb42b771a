#include "lang/vocabulary.h"

#include <QResource>
#include <QHash>
#include <QStringTokenizer>

#include <array>
#include <utility>

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

// A row of a built-in table: its fields, which view the table's text; the
// fields past the row's end are empty.
using Row = std::array<QStringView, 11>;

QString TableText(const QString &file)
{
    // Straight from the program's own bytes: the tables are built in
    // uncompressed, and a QFile over a resource costs more than the reading.
    const QResource table(QStringLiteral(":/quorlin/lang/") + file);
    if (!table.isValid())
        qFatal("the language table %s is not built in", qPrintable(file));
    if (table.compressionAlgorithm() != QResource::NoCompression)
        return QString::fromUtf8(table.uncompressedData());
    return QString::fromUtf8(QByteArrayView(table.data(), table.size()));
}

// Calls `use` with each row of a built-in table but its header. The fields
// are split in place: the tables are read at every start, and a list of
// strings per row would cost more than all the rest.
template <class Use>
void ForEachRow(const QString &file, Use &&use)
{
    const QString text = TableText(file);
    const QStringView all(text);
    qsizetype at = all.indexOf(u'\n') + 1; // past the header
    while (at > 0 && at < all.size()) {
        qsizetype end = all.indexOf(u'\n', at);
        if (end < 0)
            end = all.size();
        const QStringView line = all.sliced(at, end - at);
        at = end + 1;
        if (line.trimmed().isEmpty())
            continue;
        Row row{};
        qsizetype from = 0;
        for (QStringView &field : row) {
            const qsizetype tab = line.indexOf(u'\t', from);
            field = line.sliced(from, (tab < 0 ? line.size() : tab) - from);
            if (tab < 0)
                break;
            from = tab + 1;
        }
        use(row);
    }
}

// The parts of a field split at `separator`, empty parts left out.
QStringList Parts(QStringView field, char16_t separator)
{
    QStringList parts;
    for (QStringView part : qTokenize(field, separator, Qt::SkipEmptyParts))
        parts << part.toString();
    return parts;
}

// `text` as a string shared with its earlier equals in `seen`: a column
// that holds a few values over and over needs each only once.
QString Shared(QStringView text, std::vector<QString> *seen)
{
    for (const QString &value : *seen) {
        if (value == text)
            return value;
    }
    seen->push_back(text.toString());
    return seen->back();
}

Dialect DialectOf(QStringView name) { return DialectFromName(name).value_or(Dialect::Classic); }

std::optional<int> OptionalInt(QStringView text)
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
        ForEachRow(QStringLiteral("words.tsv"), [&](const Row &r) {
            WordInfo w;
            w.word = r[0].toString();
            for (const auto &k : kKinds)
                if (r[1] == QLatin1String(k.name))
                    w.kind = k.kind;
            w.where = Parts(r[2], u',');
            for (QStringView arg : qTokenize(r[3], u' ', Qt::SkipEmptyParts)) {
                ArgSpec wanted;
                wanted.optional = arg.endsWith(u'?');
                if (wanted.optional)
                    arg.chop(1);
                for (const auto &k : kArgKinds)
                    if (arg == QLatin1String(k.name))
                        wanted.kind = k.kind;
                w.args.push_back(wanted);
            }
            w.repeatable = r[4] != QLatin1String("no");
            w.min = OptionalInt(r[5]);
            w.max = OptionalInt(r[6]);
            w.defaultValue = r[7].toString();
            w.dialect = DialectOf(r[8]);
            w.doc = r[9].toString();
            w.id = OptionalInt(r[10]);
            words.push_back(std::move(w));
        });
        std::vector<QString> groups;
        ForEachRow(QStringLiteral("constants.tsv"), [&](const Row &r) {
            const std::optional<int> value = OptionalInt(r[1]);
            constants.push_back(
                {r[0].toString(), value.value_or(0), Shared(r[2], &groups), DialectOf(r[3]), value.has_value()});
        });
        for (const ConstantInfo &c : kUnlisted)
            constants.push_back(c);
        ForEachRow(QStringLiteral("labels.tsv"),
                   [&](const Row &r) { labels.push_back({r[0].toString(), r[1].toString(), DialectOf(r[2])}); });
        names.reserve(qsizetype(words.size() + constants.size() + labels.size()));
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
