#include "core/control_captions.h"

#include "core/controls.h"
#include "core/ui_text.h"

#include <QHash>

namespace quorlin {

namespace {

// A setting that its own caption in the control table does not name well
// enough: a field named by a separate label or by the control beside it, or
// a caption that stands twice and needs where it stands.
struct CaptionRow {
    const char *control;
    const char *label;          // the text of its label on the page, without "："
    const char *of = nullptr;   // a field without a label: the control whose caption names it
    const char *note = nullptr; // which part of that caption it is
    const char *in = nullptr;   // the frames or controls where it stands, to tell apart equal captions
    const char *within = nullptr;
};

// Frames whose titles tell settings of the same caption apart.
const QHash<QString, QString> &FrameTitles()
{
    // clang-format off
    static const QHash<QString, QString> titles = {
        {QStringLiteral("Frame21"), Ui::tr("添加陆地")},
        {QStringLiteral("Frame13"), Ui::tr("连接所有游戏者")},
        {QStringLiteral("Frame17"), Ui::tr("连接同组游戏者")},
    };
    // clang-format on
    return titles;
}

// The zone settings of page 0 stand in the frame that Check33 heads; the same
// captions come again in the land editor of page 1.
// clang-format off
const CaptionRow kRows[] = {
    // Page 0.
    {"Combo1", QT_TRANSLATE_NOOP("Quorlin", "基本地形")},
    {"Combo2", QT_TRANSLATE_NOOP("Quorlin", "地图类型"), nullptr, nullptr, "Check33"},
    {"Slider1", QT_TRANSLATE_NOOP("Quorlin", "占地图总大小的百分比"), nullptr, nullptr, "Check33"},
    {"Slider2", QT_TRANSLATE_NOOP("Quorlin", "每个游戏者区域最小半径")},
    {"Check1", nullptr, nullptr, nullptr, "Check33"},
    {"Combo3", QT_TRANSLATE_NOOP("Quorlin", "边界宽度"), nullptr, nullptr, "Check33"},
    {"Slider3", QT_TRANSLATE_NOOP("Quorlin", "边缘模糊百分比"), nullptr, nullptr, "Check33"},
    {"Slider4", QT_TRANSLATE_NOOP("Quorlin", "到其他游戏者区域的距离")},
    {"Slider5", QT_TRANSLATE_NOOP("Quorlin", "区域形状"), nullptr, nullptr, "Check33"},

    // Page 1.
    {"Combo15", QT_TRANSLATE_NOOP("Quorlin", "地图类型"), nullptr, nullptr, "Frame21"},
    {"Slider13", QT_TRANSLATE_NOOP("Quorlin", "占地图总大小的百分比"), nullptr, nullptr, "Frame21"},
    {"Slider12", QT_TRANSLATE_NOOP("Quorlin", "区域半径")},
    {"Check34", nullptr, nullptr, nullptr, "Frame21"},
    {"Combo16", QT_TRANSLATE_NOOP("Quorlin", "边界宽度"), nullptr, nullptr, "Frame21"},
    {"Slider11", QT_TRANSLATE_NOOP("Quorlin", "边缘模糊百分比"), nullptr, nullptr, "Frame21"},
    {"Slider9", QT_TRANSLATE_NOOP("Quorlin", "区域形状"), nullptr, nullptr, "Frame21"},
    {"Slider10", QT_TRANSLATE_NOOP("Quorlin", "到其他区域距离")},
    {"Text16", nullptr, "Check35", QT_TRANSLATE_NOOP("Quorlin", "旁的输入框")},
    {"Combo17", nullptr, "Check36", QT_TRANSLATE_NOOP("Quorlin", "旁的列表")},
    {"Lst0", QT_TRANSLATE_NOOP("Quorlin", "已添加陆地")},

    // Page 2.
    {"Combo4", nullptr, "Option5", QT_TRANSLATE_NOOP("Quorlin", "下的列表")},
    {"Combo5", nullptr, "Option6", QT_TRANSLATE_NOOP("Quorlin", "下的列表")},
    {"Combo14", QT_TRANSLATE_NOOP("Quorlin", "所在地类型")},
    {"Slider6", QT_TRANSLATE_NOOP("Quorlin", "所占地图百分比")},
    {"Text2", QT_TRANSLATE_NOOP("Quorlin", "分配丛数")},
    {"Text1", QT_TRANSLATE_NOOP("Quorlin", "间距")},
    {"Slider7", QT_TRANSLATE_NOOP("Quorlin", "形状")},
    {"Combo6", QT_TRANSLATE_NOOP("Quorlin", "高度限制"), nullptr, QT_TRANSLATE_NOOP("Quorlin", "（下限）")},
    {"Combo7", nullptr, "Combo6", QT_TRANSLATE_NOOP("Quorlin", "（上限）")},
    {"Lst1", QT_TRANSLATE_NOOP("Quorlin", "已添加地形")},

    // Page 3.
    {"Label55", QT_TRANSLATE_NOOP("Quorlin", "单位类型")},
    {"Text6", QT_TRANSLATE_NOOP("Quorlin", "单位数量")},
    {"Text15", QT_TRANSLATE_NOOP("Quorlin", "单位组数及偏差"), nullptr, QT_TRANSLATE_NOOP("Quorlin", "（组数）")},
    {"Text7", nullptr, "Text15", QT_TRANSLATE_NOOP("Quorlin", "（偏差）")},
    {"Text3", QT_TRANSLATE_NOOP("Quorlin", "最小距离")},
    {"Text4", QT_TRANSLATE_NOOP("Quorlin", "最大距离")},
    {"Text5", nullptr, "Check4", QT_TRANSLATE_NOOP("Quorlin", "旁的输入框")},
    {"Text17", nullptr, "Check37", QT_TRANSLATE_NOOP("Quorlin", "旁的输入框")},
    {"Lst2", QT_TRANSLATE_NOOP("Quorlin", "已添加单位")},

    // Page 4.
    {"Combo8", QT_TRANSLATE_NOOP("Quorlin", "最大高度")},
    {"Combo9", QT_TRANSLATE_NOOP("Quorlin", "所在地形")},
    {"Text8", QT_TRANSLATE_NOOP("Quorlin", "丛数")},
    {"Text9", QT_TRANSLATE_NOOP("Quorlin", "共占用格子数")},
    {"Text10", QT_TRANSLATE_NOOP("Quorlin", "悬崖条数"), nullptr, QT_TRANSLATE_NOOP("Quorlin", "（下限）")},
    {"Text11", nullptr, "Text10", QT_TRANSLATE_NOOP("Quorlin", "（上限）")},
    {"Text12", QT_TRANSLATE_NOOP("Quorlin", "悬崖长度"), nullptr, QT_TRANSLATE_NOOP("Quorlin", "（下限）")},
    {"Text13", nullptr, "Text12", QT_TRANSLATE_NOOP("Quorlin", "（上限）")},
    {"Slider8", QT_TRANSLATE_NOOP("Quorlin", "悬崖形状")},
    {"Text14", QT_TRANSLATE_NOOP("Quorlin", "悬崖之间最小距离")},
    // The two groups of connections are built alike.
    {"Check26", nullptr, nullptr, nullptr, "Frame13"},
    {"Option13", nullptr, nullptr, nullptr, "Frame13"},
    {"Option14", nullptr, nullptr, nullptr, "Frame13"},
    {"Combo10", QT_TRANSLATE_NOOP("Quorlin", "宽度"), nullptr, nullptr, "Frame13", "Check26"},
    {"Check27", nullptr, nullptr, nullptr, "Frame13"},
    {"Option16", nullptr, nullptr, nullptr, "Frame13"},
    {"Option15", nullptr, nullptr, nullptr, "Frame13"},
    {"Option7", nullptr, nullptr, nullptr, "Frame13"},
    {"Option8", nullptr, nullptr, nullptr, "Frame13"},
    {"Combo11", QT_TRANSLATE_NOOP("Quorlin", "宽度"), nullptr, nullptr, "Frame13", "Check27"},
    {"Check29", nullptr, nullptr, nullptr, "Frame17"},
    {"Option20", nullptr, nullptr, nullptr, "Frame17"},
    {"Option19", nullptr, nullptr, nullptr, "Frame17"},
    {"Combo13", QT_TRANSLATE_NOOP("Quorlin", "宽度"), nullptr, nullptr, "Frame17", "Check29"},
    {"Check28", nullptr, nullptr, nullptr, "Frame17"},
    {"Option17", nullptr, nullptr, nullptr, "Frame17"},
    {"Option18", nullptr, nullptr, nullptr, "Frame17"},
    {"Option9", nullptr, nullptr, nullptr, "Frame17"},
    {"Option10", nullptr, nullptr, nullptr, "Frame17"},
    {"Combo12", QT_TRANSLATE_NOOP("Quorlin", "宽度"), nullptr, nullptr, "Frame17", "Check28"},
};
// clang-format on

const CaptionRow *FindRow(const QString &control)
{
    static const QHash<QString, const CaptionRow *> index = [] {
        QHash<QString, const CaptionRow *> h;
        for (const CaptionRow &row : kRows)
            h.insert(QString::fromLatin1(row.control), &row);
        return h;
    }();
    return index.value(control, nullptr);
}

// What a frame or a control of a row's `in` is called on the page.
QString PlaceName(const char *place)
{
    const QString name = QString::fromLatin1(place);
    return FindControl(name) ? SettingCaption(name) : FrameTitles().value(name);
}

} // namespace

QString SettingCaption(const QString &control)
{
    const CaptionRow *row = FindRow(control);
    if (row && row->label)
        return Ui::tr(row->label);
    if (row && row->of)
        return SettingCaption(QString::fromLatin1(row->of));
    const ControlDef *def = FindControl(control);
    return def && *def->caption ? Ui::tr(def->caption) : QString();
}

QString SettingName(const QString &control)
{
    // xn is no control: it counts the constants X1, X2... given to units added by number.
    if (control == QLatin1String("xn"))
        return Ui::tr("已用的单位常量编号（X1、X2…）");
    const QString caption = SettingCaption(control);
    if (caption.isEmpty())
        return QString();
    QString name = QStringLiteral("“%1”").arg(caption);
    const CaptionRow *row = FindRow(control);
    if (!row)
        return name;
    if (row->note)
        name += Ui::tr(row->note);
    if (row->in) {
        QString where = PlaceName(row->in);
        if (row->within)
            where += Ui::tr("，") + PlaceName(row->within);
        name += Ui::tr("（%1）").arg(where);
    }
    return name;
}

QString SpokenName(const QString &control)
{
    const CaptionRow *row = FindRow(control);
    const QString caption = SettingCaption(control);
    return row && row->note && !caption.isEmpty() ? caption + Ui::tr(row->note) : caption;
}

QString FieldLabel(const char *control)
{
    const CaptionRow *row = FindRow(QString::fromLatin1(control));
    return row && row->label ? Ui::tr(row->label) + Ui::tr("：") : QString();
}

QString FrameTitle(const char *frame) { return FrameTitles().value(QString::fromLatin1(frame)); }

} // namespace quorlin
