#include "core/ui_text.h"
#include "drafts/draft.h"
#include "drafts/draft_format.h"

#include "core/control_captions.h"
#include "core/project.h"
#include "core/text_files.h"

#include <QStringDecoder>

#include <algorithm>

namespace quorlin {

namespace {

// A field's bytes as they can be shown in a message: short, and with
// anything unprintable made visible.
QString Shown(QByteArrayView bytes)
{
    constexpr qsizetype kShown = 24;
    QString text = QStringDecoder("GBK").decode(bytes.first(std::min(bytes.size(), kShown)));
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char('?');
    if (bytes.size() > kShown)
        text += QStringLiteral("…");
    return text;
}

// Whole numbers only: an optional minus and up to 18 digits, so the value
// always fits before the range is checked.
bool ParseInteger(QByteArrayView bytes, qint64 *out)
{
    const bool negative = bytes.startsWith('-');
    const QByteArrayView digits = negative ? bytes.sliced(1) : bytes;
    if (digits.isEmpty() || digits.size() > 18)
        return false;
    qint64 value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    *out = negative ? -value : value;
    return true;
}

// Messages name the field by what the designer sees on the page and the
// line of the file where it stands; record numbers mean nothing to a
// designer. Each reading step takes that name as `what`, a function that
// makes it, called only when the step fails: a draft that reads well builds
// no message text at all.
class Parser {
public:
    explicit Parser(const QByteArray &bytes) : tokens_(bytes) {}

    bool parse(DraftData *data)
    {
        HeldValue check33;
        if (!setting("Check33", &check33))
            return false;
        data->zoneTogether = check33.number;
        if (data->zoneTogether == 1 && !settings(kRecZone, &data->zone))
            return false;
        if (!list(0, &data->items[0]) || !list(1, &data->items[1]))
            return false;
        if (!settings(kRecMixedWater, &data->rest) || !list(2, &data->items[2]))
            return false;
        for (DraftRecord r : {kRecReadyMade, kRecElevation, kRecCliffs, kRecConnections, kRecConnectionKinds})
            if (!settings(r, &data->rest))
                return false;
        if (!integer([] { return SettingName(QStringLiteral("xn")); }, 0, kMaxDraftXn, &data->xn))
            return false;
        if (!settings(kRecCombos, &data->rest))
            return false;
        if (const int junk = tokens_.firstJunkLine())
            return fail(Ui::tr("第%1行：草稿到这里已经完整，后面却还有多余的内容").arg(junk));
        return true;
    }

    QString error() const { return error_; }

private:
    bool fail(const QString &message)
    {
        error_ = message;
        return false;
    }

    bool fail(int line, const QString &what, const QString &problem)
    {
        return fail(Ui::tr("第%1行：%2%3").arg(line).arg(what, problem));
    }

    template <typename What>
    bool field(const What &what, DraftTokenizer::Field *f)
    {
        QString problem;
        if (tokens_.next(f, &problem))
            return true;
        if (problem.isEmpty())
            return fail(Ui::tr("文件在第%1行提前结束了，缺少%2及其后的内容").arg(tokens_.line()).arg(what()));
        return fail(Ui::tr("%1（读取%2时）").arg(problem, what()));
    }

    template <typename What>
    bool integer(const What &what, qint64 min, qint64 max, qint64 *out)
    {
        DraftTokenizer::Field f;
        if (!field(what, &f))
            return false;
        const auto range = [&] { return Ui::tr("%1～%2 的整数").arg(min).arg(max); };
        if (f.quoted)
            return fail(f.line, what(), Ui::tr("应为 %1，却是带引号的文本").arg(range()));
        qint64 value = 0;
        if (!ParseInteger(f.bytes, &value) || value < min || value > max)
            return fail(f.line, what(), Ui::tr("应为 %1，而不是“%2”").arg(range(), Shown(f.bytes)));
        *out = value;
        return true;
    }

    template <typename What>
    bool boolean(const What &what, bool *out)
    {
        DraftTokenizer::Field f;
        if (!field(what, &f))
            return false;
        if (!f.quoted && (f.bytes == "#TRUE#" || f.bytes == "#FALSE#")) {
            *out = f.bytes == "#TRUE#";
            return true;
        }
        return fail(f.line, what(), Ui::tr("应为 #TRUE# 或 #FALSE#，而不是“%1”").arg(Shown(f.bytes)));
    }

    template <typename What>
    bool text(const What &what, QString *out)
    {
        DraftTokenizer::Field f;
        if (!field(what, &f))
            return false;
        if (!f.quoted)
            return fail(f.line, what(), Ui::tr("应为带双引号的文本，而不是“%1”").arg(Shown(f.bytes)));
        // One reader for the whole file; its first refusal ends reading.
        if (!gbk_.read(f.bytes, out))
            return fail(f.line, what(), Ui::tr("的文本不是有效的 GBK 编码"));
        return true;
    }

    bool setting(const char *control, HeldValue *held)
    {
        const ControlDef *def = FindControl(QString::fromLatin1(control));
        held->control = QString::fromLatin1(control);
        held->kind = def->kind;
        const auto what = [held] { return SettingName(held->control); };
        qint64 number = 0;
        switch (def->kind) {
        case ControlKind::Check:
            if (!integer(what, 0, 2, &number))
                return false;
            held->number = int(number);
            return true;
        case ControlKind::Slider:
            if (!integer(what, def->min, def->max, &number))
                return false;
            held->number = int(number);
            return true;
        case ControlKind::Option: return boolean(what, &held->on);
        default: return text(what, &held->text);
        }
    }

    bool settings(DraftRecord record, QVector<HeldValue> *out)
    {
        for (const char *control : SettingsRecordFor(record).controls) {
            HeldValue held;
            if (!setting(control, &held))
                return false;
            out->append(held);
        }
        return true;
    }

    bool list(int index, QVector<DraftItem> *items)
    {
        const auto list = [index] { return SettingCaption(QString::fromLatin1(DraftLists()[index].list)); };
        qint64 count = 0;
        if (!integer([&] { return Ui::tr("%1的个数").arg(list()); }, 0, kMaxDraftItems, &count))
            return false;
        items->reserve(int(count));
        for (int k = 1; k <= count; ++k) {
            DraftItem item;
            if (!text([&] { return Ui::tr("第 %1 个%2的名称").arg(k).arg(list()); }, &item.line)
                || !text([&] { return Ui::tr("第 %1 个%2的脚本").arg(k).arg(list()); }, &item.block))
                return false;
            items->append(item);
        }
        return true;
    }

    DraftTokenizer tokens_;
    GbkReader gbk_;
    QString error_;
};

Settings &SettingsOf(Settings &settings) { return settings; }

// Puts one held value through the target's ordinary setter, so the
// reactions of that control run as for a change by the user.
template <typename Target>
bool Put(Target &target, const HeldValue &v)
{
    switch (v.kind) {
    case ControlKind::Check: return target.setCheck(v.control, v.number);
    case ControlKind::Slider: return target.setSlider(v.control, v.number);
    case ControlKind::Option: return target.setOption(v.control, v.on);
    default: return target.setText(v.control, v.text);
    }
}

// Applies the settings in the order of the file, the zone settings only
// when Check33 ends up ticked. Returns the name of the first control that
// refused its value, or an empty string.
template <typename Target>
QString PutSettings(Target &target, const DraftData &data)
{
    const QString check33 = QStringLiteral("Check33");
    if (!target.setCheck(check33, data.zoneTogether))
        return check33;
    if (SettingsOf(target).check(check33) == 1)
        for (const HeldValue &v : data.zone)
            if (!Put(target, v))
                return v.control;
    for (const HeldValue &v : data.rest)
        if (!Put(target, v))
            return v.control;
    return QString();
}

} // namespace

bool ReadDraft(const QByteArray &bytes, DraftData *data, QString *error)
{
    if (bytes.trimmed().isEmpty()) {
        if (error)
            *error = Ui::tr("文件是空的");
        return false;
    }
    Parser parser(bytes);
    DraftData read;
    if (!parser.parse(&read)) {
        if (error)
            *error = parser.error();
        return false;
    }
    *data = read;
    return true;
}

bool ApplyDraft(const QByteArray &bytes, Project &project, QString *error)
{
    DraftData data;
    if (!ReadDraft(bytes, &data, error))
        return false;

    // Everything goes onto a copy first, so a refused value leaves the project untouched.
    Project opened = project;
    const QString refused = PutSettings(opened.settings, data);
    if (!refused.isEmpty()) {
        if (error)
            *error = Ui::tr("%1不接受草稿中的值").arg(SettingName(refused));
        return false;
    }
    ItemStore *stores[3] = {&opened.lands, &opened.terrains, &opened.units};
    for (int i = 0; i < 3; ++i) {
        stores[i]->clear();
        for (const DraftItem &item : data.items[i])
            stores[i]->add(item.line, item.block);
    }
    opened.xn = data.xn;
    project = opened;
    return true;
}

} // namespace quorlin
