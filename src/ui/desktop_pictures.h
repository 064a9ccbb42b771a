#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

class QWidget;

namespace quorlin {

// The program's icon, as the window and the menu entry show it.
QIcon AppIcon();

// A value of the installed menu entry (the .desktop file built into the
// program), e.g. DesktopEntryValue("Name[zh_CN]"); empty when it has none.
QString DesktopEntryValue(const QString &key);

// The menu entry as an application menu shows it: the icon over its name and comment.
QImage DesktopEntryPicture();

// `window` under a title bar with the icon and the title, as a desktop frames it.
QImage FramedWindowPicture(QWidget *window);

} // namespace quorlin
