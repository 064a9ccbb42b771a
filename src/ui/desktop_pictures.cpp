#include "ui/desktop_pictures.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace quorlin {

QIcon AppIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/quorlin/icon-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/quorlin/icon-256.png"), QSize(256, 256));
    return icon;
}

QString DesktopEntryValue(const QString &key)
{
    QFile file(QStringLiteral(":/quorlin/quorlin.desktop"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QString prefix = key + QLatin1Char('=');
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    return QString();
}

QImage DesktopEntryPicture()
{
    // A tile of a launcher's grid: the icon, the name, and the comment beneath.
    const QString name = DesktopEntryValue(QStringLiteral("Name[zh_CN]"));
    const QString comment = DesktopEntryValue(QStringLiteral("Comment[zh_CN]"));
    QImage image(360, 240, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x2b, 0x2f, 0x36));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x3a, 0x40, 0x4a));
    painter.setPen(QColor(0x5a, 0x9b, 0xe0));
    painter.drawRoundedRect(QRectF(20.5, 16.5, 319, 207), 12, 12);
    painter.drawPixmap(QRect(132, 32, 96, 96), AppIcon().pixmap(96, 96));
    QFont font = painter.font();
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(24, 138, 312, 30), Qt::AlignCenter, name);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(0xc8, 0xcc, 0xd2));
    painter.drawText(QRect(32, 170, 296, 44), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, comment);
    return image;
}

QImage FramedWindowPicture(QWidget *window)
{
    const QImage content = window->grab().toImage();
    const int bar = 32;
    QImage image(content.width(), content.height() + bar, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x30, 0x34, 0x3b));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(QRect(8, 4, 24, 24), window->windowIcon().pixmap(24, 24));
    painter.setPen(Qt::white);
    painter.drawText(QRect(40, 0, content.width() - 80, bar), Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    painter.drawText(QRect(content.width() - 32, 0, 24, bar), Qt::AlignCenter, QStringLiteral("✕"));
    painter.drawImage(0, bar, content);
    return image;
}

} // namespace quorlin
