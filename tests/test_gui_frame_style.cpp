// Frames around groups of fields look as Fusion draws them, though drawn
// without its picture: titled, untitled and checkable, light and dark.
#include "ui/frame_style.h"

#include <QGroupBox>
#include <QLabel>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>

using namespace quorlin;

namespace {

QImage Render(QStyle *style, const QString &title, bool checkable, const QColor &window)
{
    QGroupBox box(title);
    box.setCheckable(checkable);
    (new QVBoxLayout(&box))->addWidget(new QLabel(QStringLiteral("x")));
    box.setStyle(style);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, window);
    box.setPalette(palette);
    box.resize(240, 130);
    QImage image(box.size(), QImage::Format_ARGB32);
    image.fill(window);
    box.render(&image);
    return image;
}

// The largest difference of one colour channel between the two pictures.
int Difference(const QImage &a, const QImage &b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return most;
}

} // namespace

class FrameStyleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void looksLikeFusion()
    {
        QStyle *fusion = QStyleFactory::create(QStringLiteral("fusion"));
        FrameStyle ours(QStyleFactory::create(QStringLiteral("fusion")));
        for (const QColor &window : {QColor(239, 239, 239), QColor(40, 40, 40)}) {
            for (const QString &title : {QStringLiteral("设置高地"), QString()}) {
                for (bool checkable : {false, true}) {
                    const int difference =
                        Difference(Render(fusion, title, checkable, window), Render(&ours, title, checkable, window));
                    QVERIFY2(difference <= 3,
                             qPrintable(QStringLiteral("%1, %2: %3").arg(title).arg(checkable).arg(difference)));
                }
            }
        }
        delete fusion;
    }
};

QTEST_MAIN(FrameStyleTest)
#include "test_gui_frame_style.moc"
