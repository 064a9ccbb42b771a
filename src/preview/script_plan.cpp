#include "preview/script_plan.h"

#include "core/ui_text.h"
#include "lang/reader.h"
#include "lang/vocabulary.h"
#include "preview/lobby_labels.h"
#include "preview/random.h"
#include "preview/script_values.h"

#include <QHash>
#include <QSet>

#include <charconv>

namespace quorlin::preview {

namespace {

using lang::Node;
using lang::NodeKind;

// Where the blocks of each command go.
QVector<PlanBlock> *BlocksFor(MapPlan &plan, const QString &command)
{
    if (command == QLatin1String("create_player_lands") || command == QLatin1String("create_land"))
        return &plan.lands;
    if (command == QLatin1String("create_elevation"))
        return &plan.elevations;
    if (command == QLatin1String("create_terrain"))
        return &plan.terrains;
    if (command.startsWith(QLatin1String("create_connect_")))
        return &plan.connections;
    if (command == QLatin1String("create_object"))
        return &plan.objects;
    return nullptr;
}

// The words whose name arguments are objects; the other words that take a
// name (base_terrain, terrain_type, create_terrain, replace_terrain, …) name
// terrains, except those listed as neither.
// clang-format off
const QSet<QString> &ObjectWords()
{
    static const QSet<QString> words = {
        QStringLiteral("create_object"), QStringLiteral("add_object"), QStringLiteral("second_object")};
    return words;
}
const QSet<QString> &NeitherWords()
{
    static const QSet<QString> words = {
        QStringLiteral("ai_info_map_type"), QStringLiteral("effect_amount"), QStringLiteral("effect_percent"),
        QStringLiteral("guard_state"), QStringLiteral("water_definition"), QStringLiteral("assign_to"),
        QStringLiteral("cliff_type"), QStringLiteral("color_correction")};
    return words;
}
// clang-format on

NameGroup GroupOf(const QString &word)
{
    if (ObjectWords().contains(word))
        return NameGroup::Object;
    return NeitherWords().contains(word) ? NameGroup::None : NameGroup::Terrain;
}

// `number` as text; the word itself when it already reads so, which most
// numbers in a script do.
QString NumberText(const QString &word, qint64 number)
{
    char digits[24];
    const char *end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const QLatin1StringView text(digits, end - digits);
    return word == text ? word : QString(text);
}

// The word a node stands for: its own, or the word whose number a #const
// name holds (`#const L 32` makes `L` create_land).
QString HeadOf(const Node &node) { return node.info ? node.info->word : node.head.text.toString(); }

class Planner {
public:
    explicit Planner(const PreviewOptions &options)
        : labels_(LobbyLabels(options)), random_(Random::forPhase(options.seed, 0)),
          values_(Random::forPhase(options.seed, 7))
    {
        plan_.players = qBound(1, options.players, 8);
        plan_.teams = LobbyTeams(options);
    }

    MapPlan plan(const QString &text)
    {
        const lang::Script script = lang::ReadScript(text);
        for (const lang::Problem &problem : script.problems) {
            if (problem.severity == lang::Severity::Error)
                unread(problem.line, problem.message);
        }
        walk(script.nodes, nullptr);
        return plan_;
    }

private:
    void skip(const Node &node) { plan_.skipped.append({node.head.line, HeadOf(node)}); }
    void unread(int line, const QString &why) { plan_.skipped.append({line, why, true}); }

    // Walks `nodes`; inside a command's block, `block` gathers its attributes.
    void walk(const std::vector<Node> &nodes, PlanBlock *block)
    {
        for (const Node &node : nodes) {
            switch (node.kind) {
            case NodeKind::Section: enter(node.head.text.toString()); break;
            case NodeKind::Directive: directive(node); break;
            case NodeKind::If: walk(chosenIf(node), block); break;
            case NodeKind::Random: walk(chosenRandom(node), block); break;
            case NodeKind::Statement: statement(node, block); break;
            case NodeKind::Command: command(node, block); break;
            case NodeKind::Unknown: skip(node); break;
            }
        }
    }

    void enter(const QString &header)
    {
        for (int i = 0; i < plan_.sections.size(); ++i) {
            if (plan_.sections[i].command == header) {
                section_ = i;
                return;
            }
        }
        section_ = int(plan_.sections.size());
        plan_.sections.append({header, {}, 0, {}});
    }

    const std::vector<Node> &chosenIf(const Node &node)
    {
        for (const lang::Branch &branch : node.branches) {
            const QString label = branch.condition.text.toString();
            if (!branch.condition.present() || labels_.contains(label) || defined_.contains(label))
                return branch.nodes;
        }
        return none_;
    }

    // One branch by its percent; what stands before the first
    // percent_chance is never used.
    const std::vector<Node> &chosenRandom(const Node &node)
    {
        int roll = random_.below(100);
        for (const lang::Branch &branch : node.branches) {
            if (!branch.keyword.present()) {
                for (const Node &stray : branch.nodes)
                    skip(stray);
                continue;
            }
            const qint64 percent = values_.number(branch.condition.text.toString()).value_or(0);
            roll -= int(qBound(qint64(0), percent, qint64(100)));
            if (roll < 0)
                return branch.nodes;
        }
        return none_;
    }

    void directive(const Node &node)
    {
        const QString head = node.head.text.toString();
        const QString name = node.args.empty() ? QString() : node.args[0].text.toString();
        if (head == QLatin1String("#define")) {
            defined_.insert(name);
        } else if (head == QLatin1String("#undefine")) {
            defined_.remove(name);
        } else if (head == QLatin1String("#const") && node.args.size() >= 2) {
            const QString why = values_.define(name, node.args[1].text.toString());
            if (!why.isEmpty())
                unread(node.head.line, Ui::tr("#const %1：%2").arg(name, why));
        } else {
            skip(node);
        }
    }

    // The words after a head as the game reads them: numbers worked out,
    // names of terrains and objects by their built-in names.
    QStringList arguments(const Node &node)
    {
        const QString head = HeadOf(node);
        QStringList args;
        args.reserve(qsizetype(node.args.size()));
        for (size_t i = 0; i < node.args.size(); ++i) {
            const QString word = node.args[i].text.toString();
            const lang::ArgKind kind =
                node.info && i < node.info->args.size() ? node.info->args[i].kind : lang::ArgKind::Name;
            if (kind == lang::ArgKind::Constant) {
                args << values_.name(word, GroupOf(head));
            } else if (kind == lang::ArgKind::Int || kind == lang::ArgKind::Percent || ScriptValues::isFormula(word)) {
                QString why;
                const std::optional<qint64> number = values_.number(word, &why);
                if (!number)
                    unread(node.args[i].line, Ui::tr("%1：%2，按默认值").arg(head, why));
                args << (number ? NumberText(word, *number) : word);
            } else {
                args << word;
            }
        }
        return args;
    }

    void statement(const Node &node, PlanBlock *block)
    {
        const QString head = HeadOf(node);
        const int line = node.head.line;
        QStringList args = arguments(node);
        if (block) {
            block->attributes.append({head, std::move(args), line});
            return;
        }
        if (head == QLatin1String("override_map_size")) {
            overrideSide(line, args.value(0));
            return;
        }
        if (section_ < 0)
            enter(QString());
        PlanBlock &section = plan_.sections[section_];
        section.attributes.append({head, args, line});
        if (head == QLatin1String("base_terrain") && section.command == QLatin1String("<LAND_GENERATION>")) {
            plan_.baseTerrain = args.value(0, plan_.baseTerrain);
            plan_.baseTerrainLine = line;
        }
    }

    // The map's side from here on; a side out of the game's range is taken
    // at the nearest end of it, and said so.
    void overrideSide(int line, const QString &value)
    {
        bool ok = false;
        const qint64 side = value.toLongLong(&ok);
        if (!ok)
            return;
        plan_.side = int(qBound(qint64(kMinOverrideSide), side, qint64(kMaxOverrideSide)));
        if (plan_.side != side)
            unread(line, Ui::tr("override_map_size %1 超出 %2～%3，按 %4")
                             .arg(side)
                             .arg(kMinOverrideSide)
                             .arg(kMaxOverrideSide)
                             .arg(plan_.side));
    }

    void command(const Node &node, PlanBlock *outer)
    {
        const QString head = HeadOf(node);
        QVector<PlanBlock> *blocks = BlocksFor(plan_, head);
        if (outer || !blocks) {
            skip(node);
            return;
        }
        PlanBlock block{head, arguments(node), node.head.line, {}};
        walk(node.body, &block);
        blocks->append(std::move(block));
    }

    const QSet<QString> labels_;
    Random random_;
    ScriptValues values_;
    MapPlan plan_;
    int section_ = -1; // into plan_.sections
    QSet<QString> defined_;
    const std::vector<Node> none_;
};

} // namespace

MapPlan PlanScript(const QString &text, const PreviewOptions &options) { return Planner(options).plan(text); }

} // namespace quorlin::preview
