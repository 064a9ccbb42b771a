#include "preview/script_plan.h"

#include "lang/reader.h"
#include "lang/vocabulary.h"
#include "preview/random.h"

#include <QHash>
#include <QSet>

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

class Planner {
public:
    Planner(const QString &sizeLabel, quint64 seed) : sizeLabel_(sizeLabel), random_(Random::forPhase(seed, 0)) {}

    MapPlan plan(const QString &text)
    {
        const lang::Script script = lang::ReadScript(text);
        for (const lang::Problem &problem : script.problems) {
            if (problem.severity == lang::Severity::Error)
                plan_.skipped.append({problem.line, problem.message, true});
        }
        walk(script.nodes, nullptr);
        return plan_;
    }

private:
    void skip(const Node &node) { plan_.skipped.append({node.head.line, node.head.text.toString()}); }

    // Walks `nodes`; inside a command's block, `block` gathers its attributes.
    void walk(const std::vector<Node> &nodes, PlanBlock *block)
    {
        for (const Node &node : nodes) {
            switch (node.kind) {
            case NodeKind::Section:
                section_ = node.head.text.toString();
                if (section_ == QLatin1String("<CLIFF_GENERATION>"))
                    plan_.hasCliffs = true;
                break;
            case NodeKind::Directive: directive(node); break;
            case NodeKind::If: walk(chosenIf(node), block); break;
            case NodeKind::Random: walk(chosenRandom(node), block); break;
            case NodeKind::Statement: statement(node, block); break;
            case NodeKind::Command: command(node, block); break;
            case NodeKind::Unknown: skip(node); break;
            }
        }
    }

    const std::vector<Node> &chosenIf(const Node &node)
    {
        for (const lang::Branch &branch : node.branches) {
            const QString label = branch.condition.text.toString();
            if (!branch.condition.present() || label == sizeLabel_ || defined_.contains(label))
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
            roll -= qMax(0, branch.condition.text.toInt());
            if (roll < 0)
                return branch.nodes;
        }
        return none_;
    }

    void directive(const Node &node)
    {
        const QString head = node.head.text.toString();
        const QString name = node.args.empty() ? QString() : node.args[0].text.toString();
        if (head == QLatin1String("#define"))
            defined_.insert(name);
        else if (head == QLatin1String("#undefine"))
            defined_.remove(name);
        else if (head == QLatin1String("#const") && node.args.size() >= 2)
            consts_.insert(name, value(node.args[1].text.toString()));
        else
            skip(node);
    }

    QString value(const QString &word) const { return consts_.value(word, word); }

    // The words after a head, #const names of numbers put in their place.
    QStringList arguments(const Node &node) const
    {
        QStringList args;
        for (size_t i = 0; i < node.args.size(); ++i) {
            const QString word = node.args[i].text.toString();
            const bool numeric =
                node.info && i < node.info->args.size()
                && (node.info->args[i].kind == lang::ArgKind::Int || node.info->args[i].kind == lang::ArgKind::Percent);
            args << (numeric ? value(word) : word);
        }
        return args;
    }

    void statement(const Node &node, PlanBlock *block)
    {
        const QString head = node.head.text.toString();
        const int line = node.head.line;
        if (block) {
            block->attributes.append({head, arguments(node), line});
        } else if (section_ == QLatin1String("<CLIFF_GENERATION>")) {
            plan_.cliffs.attributes.append({head, arguments(node), line});
        } else if (head == QLatin1String("base_terrain") && section_ == QLatin1String("<LAND_GENERATION>")) {
            plan_.baseTerrain = arguments(node).value(0, plan_.baseTerrain);
            plan_.baseTerrainLine = line;
        } else if (head != QLatin1String("random_placement")) {
            // Players stand on a circle, which is what random_placement asks.
            skip(node);
        }
    }

    void command(const Node &node, PlanBlock *outer)
    {
        QVector<PlanBlock> *blocks = BlocksFor(plan_, node.head.text.toString());
        if (outer || !blocks) {
            skip(node);
            return;
        }
        PlanBlock block{node.head.text.toString(), arguments(node), node.head.line, {}};
        walk(node.body, &block);
        blocks->append(block);
    }

    const QString sizeLabel_;
    Random random_;
    MapPlan plan_;
    QString section_;
    QSet<QString> defined_;
    QHash<QString, QString> consts_;
    const std::vector<Node> none_;
};

} // namespace

MapPlan PlanScript(const QString &text, const QString &sizeLabel, quint64 seed)
{
    return Planner(sizeLabel, seed).plan(text);
}

} // namespace quorlin::preview
