#include "wizard/wizard_model.h"

#include "core/ui_text.h"
#include "drafts/draft.h"
#include "editors/editors.h"
#include "editors/page_commands.h"
#include "script/assembler.h"

#include <QFile>

#include <algorithm>
#include <functional>

namespace quorlin {

namespace {

struct Button {
    const char *name;
    std::function<Outcome(WizardModel &)> press;
};

// A button whose command is never refused.
Button Plain(const char *name, const std::function<void(WizardModel &)> &act)
{
    return {name, [act](WizardModel &m) {
                act(m);
                return Outcome();
            }};
}

// Typing into a field or dragging a slider is one step to undo, not one per key.
QString MergeKey(const QString &name)
{
    const ControlDef *def = FindControl(name);
    const bool continuous = def
                            && (def->kind == ControlKind::Slider || def->kind == ControlKind::Text
                                || def->kind == ControlKind::EditableList);
    return continuous ? name : QString();
}

} // namespace

class WizardModel::Step {
public:
    explicit Step(WizardModel &model, const QString &mergeKey = QString()) : model_(model)
    {
        if (model_.stepDepth_++ == 0) {
            model_.stepBefore_ = model_.project_;
            model_.stepFile_ = model_.draft_;
            model_.stepKey_ = mergeKey;
        }
    }
    ~Step()
    {
        if (--model_.stepDepth_ != 0)
            return;
        const bool refiled = model_.draft_ != model_.stepFile_;
        if (refiled || model_.project_ != model_.stepBefore_)
            model_.history_.record(
                {model_.stepBefore_, refiled ? std::optional<DraftFile>(model_.stepFile_) : std::nullopt},
                model_.stepKey_);
    }
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;

private:
    WizardModel &model_;
};

WizardModel::WizardModel(Dialogs *dialogs, QObject *parent)
    : QObject(parent), dialogs_(dialogs), draft_{QString(), project_}
{}

void WizardModel::restore(const Project &state)
{
    // The values change at once; the revision still moves on for the views.
    project_.settings.assignValues(state.settings);
    project_.lands = state.lands;
    project_.terrains = state.terrains;
    project_.units = state.units;
    project_.xn = state.xn;
}

void WizardModel::restore(const History::State &state)
{
    restore(state.project);
    // Settings from before a draft was opened belong to the file they had.
    if (state.draft)
        draft_ = *state.draft;
}

void WizardModel::undo()
{
    if (!canUndo())
        return;
    restore(history_.undo(project_, draft_));
    notify();
}

void WizardModel::redo()
{
    if (!canRedo())
        return;
    restore(history_.redo(project_, draft_));
    notify();
}

void WizardModel::markDraft(const QString &path)
{
    draft_ = {path, project_};
    Q_EMIT draftFiled(path);
}

void WizardModel::note(const QString &text, std::optional<FileKind> saved)
{
    savedNote_ = saved;
    Q_EMIT status(text);
}

void WizardModel::notify()
{
    const bool stale = (savedNote_ == FileKind::Draft && isModified()) || (savedNote_ == FileKind::Script && !saved_);
    if (stale)
        note(QString());
    Q_EMIT changed();
}

bool WizardModel::announce(bool accepted)
{
    notify();
    return accepted;
}

void WizardModel::report(const QString &title, const QString &text, MessageIcon icon)
{
    if (dialogs_)
        dialogs_->message(title, text, icon);
}

Outcome WizardModel::tell(const Outcome &outcome)
{
    if (!outcome)
        report(outcome.refusal().title, outcome.refusal().text, outcome.refusal().icon);
    return outcome;
}

QString WizardModel::setValue(const QString &name, const QString &value)
{
    Step step(*this, MergeKey(name));
    const QString error = project_.settings.setFromString(name, value);
    notify();
    return error;
}

bool WizardModel::setCheck(const QString &name, int value)
{
    Step step(*this, MergeKey(name));
    return announce(project_.settings.setCheck(name, value));
}

bool WizardModel::setOption(const QString &name, bool on)
{
    Step step(*this, MergeKey(name));
    return announce(project_.settings.setOption(name, on));
}

bool WizardModel::setSlider(const QString &name, int value)
{
    Step step(*this, MergeKey(name));
    return announce(project_.settings.setSlider(name, value));
}

bool WizardModel::setText(const QString &name, const QString &value)
{
    Step step(*this, MergeKey(name));
    return announce(project_.settings.setText(name, value));
}

ItemStore *WizardModel::list(const QString &name)
{
    if (name == QLatin1String("Lst0"))
        return &project_.lands;
    if (name == QLatin1String("Lst1"))
        return &project_.terrains;
    if (name == QLatin1String("Lst2"))
        return &project_.units;
    return nullptr;
}

bool WizardModel::selectLines(const QString &name, const QVector<int> &lines)
{
    ItemStore *store = list(name);
    const bool ok = store && store->selectOnly(lines);
    notify();
    return ok;
}

void WizardModel::setLineSelected(const QString &name, int line, bool on)
{
    if (ItemStore *store = list(name))
        store->setSelected(line, on);
    notify();
}

void WizardModel::replaceItems(const ItemStore &lands, const ItemStore &terrains, const ItemStore &units, qint64 xn)
{
    Step step(*this);
    project_.lands = lands;
    project_.terrains = terrains;
    project_.units = units;
    project_.xn = xn;
    notify();
}

static const QVector<Button> &ButtonTable()
{
    static const QVector<Button> table = {
        {"Command21", [](WizardModel &m) { return m.addLand(); }},
        Plain("Command18", [](WizardModel &m) { m.list(QStringLiteral("Lst0"))->selectAll(); }),
        Plain("Command19", [](WizardModel &m) { m.list(QStringLiteral("Lst0"))->selectNone(); }),
        Plain("Command20", [](WizardModel &m) { m.list(QStringLiteral("Lst0"))->deleteSelected(); }),
        {"Command4", [](WizardModel &m) { return m.addTerrain(); }},
        Plain("Command7", [](WizardModel &m) { m.list(QStringLiteral("Lst1"))->selectAll(); }),
        Plain("Command12", [](WizardModel &m) { m.list(QStringLiteral("Lst1"))->selectNone(); }),
        Plain("Command13", [](WizardModel &m) { m.list(QStringLiteral("Lst1"))->deleteSelected(); }),
        {"Command6", [](WizardModel &m) { return m.addUnit(); }},
        Plain("Command9", [](WizardModel &m) { m.list(QStringLiteral("Lst2"))->selectAll(); }),
        Plain("Command11", [](WizardModel &m) { m.list(QStringLiteral("Lst2"))->selectNone(); }),
        Plain("Command10", [](WizardModel &m) { m.list(QStringLiteral("Lst2"))->deleteSelected(); }),
        Plain("Command5", [](WizardModel &m) { m.selectAllReadyMade(); }),
        Plain("Command14", [](WizardModel &m) { m.restoreDefaults(); }),
    };
    return table;
}

QStringList WizardModel::buttons()
{
    QStringList names;
    for (const Button &b : ButtonTable())
        names << QString::fromLatin1(b.name);
    return names;
}

Outcome WizardModel::click(const QString &button)
{
    for (const Button &b : ButtonTable()) {
        if (button == QLatin1String(b.name)) {
            Step step(*this);
            const Outcome outcome = b.press(*this);
            notify();
            return outcome;
        }
    }
    return Refusal{QStringLiteral("quorlin"), QStringLiteral("%1 is no button of the settings pages").arg(button),
                   MessageIcon::Error};
}

Outcome WizardModel::addLand()
{
    Step step(*this);
    return tell(AddLand(project_.settings, project_.lands));
}

Outcome WizardModel::addTerrain()
{
    Step step(*this);
    return tell(AddTerrain(project_.settings, project_.terrains));
}

Outcome WizardModel::addUnit()
{
    Step step(*this);
    return tell(AddUnit(project_.settings, project_.units, project_.xn));
}

void WizardModel::selectAllReadyMade()
{
    Step step(*this);
    SelectAllReadyMade(project_.settings);
}

void WizardModel::restoreDefaults()
{
    Step step(*this);
    RestoreDefaults(project_.settings);
    note(Ui::tr("已恢复默认设置。按 Ctrl+Z 可以撤销。"));
}

bool WizardModel::isEnabled(const QString &name) const
{
    if (name == QLatin1String("Command1"))
        return page_ != 0;
    return project_.settings.isEnabled(name);
}

bool WizardModel::isVisible(const QString &name) const
{
    static const QStringList settingsOnly = {QStringLiteral("Command2"), QStringLiteral("Command14"),
                                             QStringLiteral("Command15"), QStringLiteral("Command16")};
    if (settingsOnly.contains(name))
        return page_ != kLastPage;
    for (int p = 0; p <= kLastPage; ++p)
        if (name == QStringLiteral("Pic(%1)").arg(p))
            return page_ == p;
    return project_.settings.isVisible(name);
}

QString WizardModel::caption(const QString &name) const
{
    if (name == QLatin1String("Command1"))
        return page_ == kLastPage ? Ui::tr("从头开始") : Ui::tr("<上一步");
    if (name == QLatin1String("Command2"))
        return page_ == 4 ? Ui::tr("完成") : Ui::tr("下一步>");
    if (name == QLatin1String("Label55"))
        return project_.settings.text(name);
    return project_.settings.valueLabel(name);
}

QString WizardModel::assemble() const
{
    return AssembleScript(project_.settings, project_.lands, project_.terrains, project_.units,
                          date_.value_or(TodayShortDate()));
}

void WizardModel::next()
{
    if (page_ >= kLastPage)
        return;
    if (page_ == 4) {
        scriptFile_ = ScriptFile(); // a new script, written as the wizard writes every one
        setScript(assemble());
        builtScript_ = script_;
    }
    ++page_;
    notify();
}

void WizardModel::back()
{
    if (page_ == 0)
        return;
    if (page_ == kLastPage) {
        // Start over: settings and added items stay, the script goes, so hand
        // edits that were never saved are asked about first.
        if (!saved_ && script_ != builtScript_
            && !settle(Ui::tr("脚本中有尚未保存的手动修改，从头开始会丢弃这些修改。要先保存脚本吗？"),
                       [this] { return saveScript(); }))
            return;
        page_ = 0;
        scriptFile_ = ScriptFile();
        setScript(QString());
    } else {
        --page_;
    }
    notify();
}

void WizardModel::setScript(const QString &text)
{
    script_ = text;
    // Typed back to what its file holds, it needs no saving.
    saved_ = !scriptFile_.path.isEmpty() && text == scriptFile_.text;
    notify();
}

bool WizardModel::applyDraft(const QByteArray &bytes, QString *error)
{
    Project opened = project_;
    if (!ApplyDraft(bytes, opened, error))
        return false;
    Step step(*this);
    restore(opened);
    notify();
    return true;
}

bool WizardModel::openDraftFrom(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // Drafts are small; anything far larger than 100 items of each kind is not
    // one. Reading stops past the limit, so a device that never ends cannot
    // make this hang. It reads in pieces, from about the size of the largest
    // draft and doubling: asking for the whole limit at once sets aside all
    // of it first, which costs more than reading a draft.
    constexpr qint64 kMaxDraftSize = 64 * 1024 * 1024;
    constexpr qint64 kFirstPiece = 64 * 1024;
    QByteArray bytes;
    qint64 size = 0;
    for (qint64 piece = kFirstPiece; size <= kMaxDraftSize; piece = std::max(kFirstPiece, size)) {
        bytes.resize(size + piece);
        const qint64 read = file.read(bytes.data() + size, piece);
        if (read <= 0)
            break;
        size += read;
    }
    bytes.truncate(size);
    if (bytes.size() > kMaxDraftSize) {
        if (error)
            *error = Ui::tr("文件太大，不是草稿");
        return false;
    }
    // One step with the file it came from, so that undoing it brings back
    // the file the settings before it belonged to.
    Step step(*this);
    if (!applyDraft(bytes, error))
        return false;
    markDraft(path);
    notify();
    return true;
}

} // namespace quorlin
