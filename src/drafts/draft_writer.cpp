#include "core/ui_text.h"
#include "drafts/draft.h"
#include "drafts/draft_format.h"

#include "core/control_captions.h"
#include "core/project.h"
#include "core/text_files.h"

namespace quorlin {

namespace {

const QByteArray kRecordEnd = QByteArrayLiteral("\r\n");

const ItemStore &StoreOf(const Project &project, int list)
{
    switch (list) {
    case 0: return project.lands;
    case 1: return project.terrains;
    default: return project.units;
    }
}

QString Refusal(const QString &where, const QString &what)
{
    return Ui::tr("%1中含有%2，草稿文件无法保存它，所以没有保存草稿。请先删去它。").arg(where, what);
}

// What in the text the draft cannot keep, or an empty string. The format has
// no escape for a double quote, and the file is GBK: a character GBK cannot
// hold would come back as "?" and be lost without a word.
QString Unstorable(const QString &text)
{
    if (text.contains(QLatin1Char('"')))
        return Ui::tr("双引号（\"）");
    QString character;
    if (FirstNonGbkLine(text, &character) > 0)
        return Ui::tr("GBK 无法表示的字符“%1”").arg(character);
    return QString();
}

// A double quote inside a text would end the field early and make the rest
// of the file unreadable. Names the first setting holding something the draft
// cannot keep, with what it is, or returns an empty string.
QString FirstUnstorableSetting(const Project &project)
{
    const Settings &s = project.settings;
    auto textHolding = [&](const SettingsRecord &record) -> QString {
        for (const char *control : record.controls) {
            const QString name = QString::fromLatin1(control);
            const ControlDef *def = FindControl(name);
            const bool textual =
                def->kind != ControlKind::Check && def->kind != ControlKind::Slider && def->kind != ControlKind::Option;
            if (!textual)
                continue;
            const QString what = Unstorable(s.text(name));
            if (!what.isEmpty())
                return Refusal(SettingName(name), what);
        }
        return QString();
    };
    for (int i = 0; i < DraftLists().size(); ++i) {
        const ItemStore &store = StoreOf(project, i);
        const QString list = SettingCaption(QString::fromLatin1(DraftLists()[i].list));
        for (int k = 0; k < store.count(); ++k) {
            const QString item = Ui::tr("第 %1 个%2“%3”").arg(k + 1).arg(list, store.line(k));
            QString what = Unstorable(store.line(k));
            if (!what.isEmpty())
                return Refusal(item, what);
            what = Unstorable(store.block(k));
            if (!what.isEmpty())
                return Refusal(item + Ui::tr("的脚本"), what);
        }
    }
    for (const SettingsRecord &record : SettingsRecords()) {
        const QString where = textHolding(record);
        if (!where.isEmpty())
            return where;
    }
    return QString();
}

class Writer {
public:
    explicit Writer(const Project &project) : project_(project), s_(project.settings) {}

    QByteArray write()
    {
        settings(kRecZoneTogether);
        // The zone record is there exactly when the zones are set together;
        // a grey Check33 counts as not set here, as it does when reading.
        if (s_.check(QStringLiteral("Check33")) == 1)
            settings(kRecZone);
        items(0);
        items(1);
        settings(kRecMixedWater);
        items(2);
        for (DraftRecord r : {kRecReadyMade, kRecElevation, kRecCliffs, kRecConnections, kRecConnectionKinds})
            settings(r);
        record({DraftInteger(project_.xn)});
        settings(kRecCombos);
        return out_;
    }

private:
    void record(const QVector<QByteArray> &fields)
    {
        for (int i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out_ += ',';
            out_ += fields[i];
        }
        out_ += kRecordEnd;
    }

    void settings(DraftRecord number)
    {
        QVector<QByteArray> fields;
        for (const char *control : SettingsRecordFor(number).controls) {
            const QString name = QString::fromLatin1(control);
            switch (FindControl(name)->kind) {
            case ControlKind::Check: fields << DraftInteger(s_.check(name)); break;
            case ControlKind::Slider: fields << DraftInteger(s_.slider(name)); break;
            case ControlKind::Option: fields << DraftBoolean(s_.option(name)); break;
            default: fields << DraftText(s_.text(name)); break;
            }
        }
        record(fields);
    }

    void items(int list)
    {
        const ItemStore &store = StoreOf(project_, list);
        record({DraftInteger(store.count())});
        for (int k = 0; k < store.count(); ++k)
            record({DraftText(store.line(k)), DraftText(store.block(k))});
    }

    const Project &project_;
    const Settings &s_;
    QByteArray out_;
};

} // namespace

bool EncodeDraft(const Project &project, QByteArray *bytes, QString *error)
{
    const QString refusal = FirstUnstorableSetting(project);
    if (!refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    *bytes = Writer(project).write();
    return true;
}

} // namespace quorlin
