#include "fields/field_marks.h"

#include "core/control_captions.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "core/ui_text.h"
#include "fields/held_script.h"
#include "lang/vocabulary.h"

#include <QHash>

#include <climits>
#include <cmath>

namespace quorlin {

namespace {

enum class Judged { Number, Terrain, Unit };

struct FieldRow {
    const char *field;
    Judged kind;
    Held source;         // the text that holds the field's line
    const char *keyword; // the line's first word
    int word;            // which word after the keyword is the field's
    const char *needs;   // a frame or field that must be in use for the script to read the field
    const char *after;   // a field whose line must be written for this one to matter
    const char *upper;   // on the row of a lower limit: the field of the upper one
    bool zeroIsNone;     // 0 or nothing asks for no line (or the lowest value), which is fine
};

// Every field whose text goes into the script, by the line that holds it.
// clang-format off
const FieldRow kRows[] = {
    {"Combo1",  Judged::Terrain, Held::LandSection,  "base_terrain", 0, nullptr, nullptr, nullptr, false},
    {"Combo2",  Judged::Terrain, Held::LandSection,  "terrain_type", 0, "Frame2", nullptr, nullptr, false},
    {"Combo15", Judged::Terrain, Held::LandBlock,    "terrain_type", 0, nullptr, nullptr, nullptr, false},
    {"Text16",  Judged::Number,  Held::LandBlock,    "land_id", 0, nullptr, nullptr, nullptr, false},
    {"Combo4",  Judged::Terrain, Held::TerrainBlock, "create_terrain", 0, nullptr, nullptr, nullptr, false},
    {"Combo5",  Judged::Terrain, Held::TerrainBlock, "create_terrain", 0, nullptr, nullptr, nullptr, false},
    {"Combo14", Judged::Terrain, Held::TerrainBlock, "base_terrain", 0, nullptr, nullptr, nullptr, false},
    {"Text2",   Judged::Number,  Held::TerrainBlock, "number_of_clumps", 0, nullptr, nullptr, nullptr, false},
    {"Text1",   Judged::Number,  Held::TerrainBlock, "spacing_to_other_terrain_types", 0, nullptr, nullptr, nullptr, false},
    {"Combo6",  Judged::Number,  Held::TerrainBlock, "height_limits", 0, nullptr, nullptr, "Combo7", true},
    {"Combo7",  Judged::Number,  Held::TerrainBlock, "height_limits", 1, nullptr, nullptr, nullptr, false},
    {"Label55", Judged::Unit,    Held::UnitBlock,    "create_object", 0, nullptr, nullptr, nullptr, false},
    {"Text6",   Judged::Number,  Held::UnitBlock,    "number_of_objects", 0, nullptr, nullptr, nullptr, false},
    {"Text15",  Judged::Number,  Held::UnitBlock,    "number_of_groups", 0, nullptr, nullptr, nullptr, true},
    {"Text7",   Judged::Number,  Held::UnitBlock,    "group_variance", 0, nullptr, "Text15", nullptr, true},
    {"Text3",   Judged::Number,  Held::UnitBlock,    "min_distance_to_players", 0, nullptr, nullptr, "Text4", false},
    {"Text4",   Judged::Number,  Held::UnitBlock,    "max_distance_to_players", 0, nullptr, nullptr, nullptr, false},
    {"Text5",   Judged::Number,  Held::UnitBlock,    "group_placement_radius", 0, nullptr, nullptr, nullptr, false},
    {"Text17",  Judged::Number,  Held::UnitBlock,    "place_on_specific_land_id", 0, nullptr, nullptr, nullptr, false},
    {"Combo8",  Judged::Number,  Held::Sections,     "create_elevation", 0, "Frame10", nullptr, nullptr, false},
    {"Combo9",  Judged::Terrain, Held::Sections,     "base_terrain", 0, "Frame10", "Combo8", nullptr, false},
    {"Text8",   Judged::Number,  Held::Sections,     "number_of_clumps", 0, "Frame10", "Combo8", nullptr, false},
    {"Text9",   Judged::Number,  Held::Sections,     "number_of_tiles", 0, "Frame10", "Combo8", nullptr, false},
    {"Text10",  Judged::Number,  Held::Sections,     "min_number_of_cliffs", 0, "Frame11", nullptr, "Text11", false},
    {"Text11",  Judged::Number,  Held::Sections,     "max_number_of_cliffs", 0, "Frame11", nullptr, nullptr, false},
    {"Text12",  Judged::Number,  Held::Sections,     "min_length_of_cliff", 0, "Frame11", nullptr, "Text13", false},
    {"Text13",  Judged::Number,  Held::Sections,     "max_length_of_cliff", 0, "Frame11", nullptr, nullptr, false},
    {"Text14",  Judged::Number,  Held::Sections,     "min_distance_cliffs", 0, "Frame11", nullptr, nullptr, false},
};
// clang-format on

// The blocks the three add buttons build.
const struct {
    const char *button;
    Held block;
} kAdds[] = {{"Command21", Held::LandBlock}, {"Command4", Held::TerrainBlock}, {"Command6", Held::UnitBlock}};

const FieldRow *RowOf(QLatin1String field)
{
    for (const FieldRow &row : kRows)
        if (field == QLatin1String(row.field))
            return &row;
    return nullptr;
}

const FieldRow *RowOf(const QString &field)
{
    for (const FieldRow &row : kRows)
        if (field == QLatin1String(row.field))
            return &row;
    return nullptr;
}

// What a text says to the person who typed it: nothing, a number, or neither.
struct Typed {
    bool blank = false;
    bool number = false;
    double value = 0;
};

Typed Read(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {true, true, 0};
    bool ok = false;
    const double v = t.toDouble(&ok); // C locale: "2.5", "-5", "1e3"; not "12abc" or "&H10"
    return {false, ok && std::isfinite(v), v};
}

bool InUse(const Settings &s, const char *name)
{
    const QString n = QString::fromLatin1(name);
    return s.isEnabled(n) && s.isVisible(n);
}

QString Quoted(const QString &text) { return Ui::tr("“%1”").arg(text); }

QString Tip(const QString &problem, const QString &held)
{
    return problem + QLatin1Char('\n')
           + (held.isEmpty() ? Ui::tr("脚本中不写这一行。") : Ui::tr("脚本中将写入：%1").arg(held));
}

// The problems of a number field's own text against its line.
QStringList NumberProblems(const FieldRow &row, const Typed &typed, const QString &text, const HeldLine &line)
{
    const QString keyword = QString::fromLatin1(row.keyword);
    const bool asksNothing = row.zeroIsNone && typed.number && typed.value == 0;
    if (!typed.number)
        return {Ui::tr("%1不是数字。").arg(Quoted(text.trimmed()))};
    if (!line.written()) {
        if (asksNothing)
            return {};
        QString why = typed.blank ? Ui::tr("空白，") : QString();
        why += Ui::tr("这个值不会写进脚本");
        const lang::WordInfo *info = lang::FindWord(keyword);
        if (info && !info->defaultValue.isEmpty())
            why += Ui::tr("，游戏按默认值 %1 处理").arg(info->defaultValue);
        return {why + Ui::tr("。")};
    }
    const QString value = line.word(row.word);
    if (value.isEmpty())
        return {Ui::tr("空白：这一行没有数值。")};
    if (!lang::IsWholeNumber(value))
        return {Ui::tr("%1不是整数，游戏只读整数。").arg(Quoted(value))};
    bool ok = false;
    const int n = value.toInt(&ok);
    const lang::WordInfo *info = lang::FindWord(keyword);
    if (info && info->args.size() == 1) {
        const lang::NumberRange range = lang::ArgumentRange(info->args[0].kind, info);
        if (!ok || n < range.min || n > range.max)
            return {Ui::tr("超出了游戏认可的范围 %1 到 %2。")
                        .arg(range.min == INT_MIN ? Ui::tr("（无下限）") : QString::number(range.min),
                             range.max == INT_MAX ? Ui::tr("（无上限）") : QString::number(range.max))};
    }
    if (typed.blank && !asksNothing)
        return {Ui::tr("空白，读作 0。")};
    return {};
}

QString TerrainProblem(const QString &text, const HeldLine &line)
{
    const QString constant = line.word(0);
    if (constant.isEmpty())
        return Ui::tr("空白：这一行没有地形。");
    const lang::ConstantInfo *known = lang::FindConstant(constant);
    if (known && known->group == QLatin1String("terrain"))
        return QString();
    return Ui::tr("%1不是游戏认识的地形。").arg(Quoted(text.trimmed().isEmpty() ? constant : text));
}

FieldMark UnitMark(const QString &name, const HeldScript &held)
{
    FieldMark mark{QStringLiteral("Label55"), {}, {}, {}};
    if (StripBlanks(name).isEmpty())
        return mark;
    const HeldLine object = held.line(Held::UnitBlock, "create_object");
    const HeldLine number = held.constantLine(Held::UnitBlock, object.word(0));
    mark.held = number.written() ? number.text + QLatin1Char('\n') + object.text : object.text;
    const QString shown = number.written() ? number.word(1) : object.word(0);
    if (number.written()) {
        if (!lang::IsWholeNumber(shown) || shown.startsWith(QLatin1Char('-')))
            mark.problem = Ui::tr("单位编号 %1 不是 0 以上的整数。").arg(Quoted(shown));
    } else {
        const lang::ConstantInfo *known = lang::FindConstant(shown);
        if (!known || known->group != QLatin1String("object"))
            mark.problem = Ui::tr("%1不是游戏认识的单位。").arg(Quoted(name));
    }
    mark.tip = mark.marked() ? Tip(mark.problem, mark.held) : Ui::tr("脚本中写作：%1").arg(shown);
    return mark;
}

// "下限大于上限" for both fields of a pair, and how the script takes them.
QString PairProblem(const FieldRow &row, const Settings &s, const HeldScript &held)
{
    const FieldRow *upper = RowOf(QLatin1String(row.upper));
    const Typed low = Read(s.text(QString::fromLatin1(row.field)));
    const Typed high = Read(s.text(QString::fromLatin1(upper->field)));
    if (!low.number || !high.number || low.value <= high.value)
        return QString();
    const HeldLine lowLine = held.line(row.source, row.keyword);
    const HeldLine highLine = held.line(upper->source, upper->keyword);
    if (!lowLine.written() || !highLine.written())
        return QString();
    const bool swapped = lowLine.word(row.word).toDouble() <= highLine.word(upper->word).toDouble();
    return swapped ? Ui::tr("下限大于上限，脚本中两者对调。") : Ui::tr("下限大于上限。");
}

} // namespace

bool IsJudgedField(const QString &name) { return RowOf(name) != nullptr; }

QVector<FieldMark> JudgeFields(const Settings &s, qint64 xn)
{
    const HeldScript held(s, xn);
    QVector<FieldMark> marks;
    QHash<QString, QString> pairs; // field -> the problem of its pair
    for (const FieldRow &row : kRows)
        if (row.upper && InUse(s, row.field) && InUse(s, row.upper)) {
            const QString problem = PairProblem(row, s, held);
            if (!problem.isEmpty())
                for (const char *f : {row.field, row.upper})
                    pairs.insert(QString::fromLatin1(f), problem);
        }
    for (const FieldRow &row : kRows) {
        const QString field = QString::fromLatin1(row.field);
        if (!InUse(s, row.field) || (row.needs && !InUse(s, row.needs)))
            continue;
        if (const FieldRow *first = row.after ? RowOf(QLatin1String(row.after)) : nullptr;
            first && !held.line(first->source, first->keyword).written())
            continue;
        const QString text = s.text(field);
        if (row.kind == Judged::Unit) {
            marks << UnitMark(text, held);
            continue;
        }
        const HeldLine line = held.line(row.source, row.keyword);
        FieldMark mark{field, {}, line.text, {}};
        QStringList problems = row.kind == Judged::Terrain ? QStringList{TerrainProblem(text, line)}
                                                           : NumberProblems(row, Read(text), text, line);
        problems << pairs.value(field);
        problems.removeAll(QString());
        mark.problem = problems.join(QString());
        if (mark.marked())
            mark.tip = Tip(mark.problem, mark.held);
        marks << mark;
    }
    return marks;
}

FieldMark JudgeUnit(const QString &name)
{
    Settings s;
    s.setText(QStringLiteral("Label55"), name);
    return UnitMark(name, HeldScript(s, 0));
}

QString AddNote(const Settings &s, qint64 xn, const QString &button)
{
    const Held *block = nullptr;
    for (const auto &add : kAdds)
        if (button == QLatin1String(add.button))
            block = &add.block;
    if (!block)
        return QString();
    QStringList notes;
    for (const FieldMark &mark : JudgeFields(s, xn)) {
        if (!mark.marked() || RowOf(mark.field)->source != *block)
            continue;
        const QString held = mark.held.isEmpty() ? Ui::tr("未写入") : Ui::tr("写作 %1").arg(mark.held.simplified());
        notes << Ui::tr("%1：%2%3").arg(SpokenName(mark.field), mark.problem, held);
    }
    return notes.isEmpty() ? QString() : Ui::tr("已添加，请注意：") + notes.join(Ui::tr("；"));
}

} // namespace quorlin
