#pragma once

#include <QString>

namespace quorlin {

// The words a designer sees for each setting of pages 0 to 4, so that messages
// name a setting as its page shows it and never by its control name. The
// pages take their labels from here too, so each caption has one home.

// The caption of a setting: its own (check boxes, option buttons), the text
// of the label beside it without "：", or for a field without a label the
// caption of the control it belongs to. Also the lists Lst0, Lst1 and Lst2,
// by the titles of their frames. Empty for a name that is no setting.
QString SettingCaption(const QString &control);

// The caption in Chinese quotes, told apart from any other setting of the same
// caption by where it stands: "“地图类型”（添加陆地）", "“悬崖条数”（上限）",
// "“指定陆地编号”旁的输入框". Also "xn", the count of unit constants, which
// has no caption on any page.
QString SettingName(const QString &control);

// The caption with the part of it that the setting is, without quotes or
// place: "高度限制（下限）", "指定陆地编号旁的输入框", "已添加陆地". What a
// screen reader calls the control. Empty for a name that is no setting.
QString SpokenName(const QString &control);

// The text of the label that stands beside a setting on its page, "：" included.
QString FieldLabel(const char *control);

// The title of a frame that tells apart settings of the same caption.
QString FrameTitle(const char *frame);

} // namespace quorlin
