// The real message boxes and file dialogs behind the dialogs interface:
// their icons, buttons, default buttons, filters and default extensions.
#include "ui/qt_dialogs.h"
#include "ui/run_window.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <memory>

using namespace quorlin;

namespace {

// Runs `act` on the modal dialog once it is up.
template <class Dialog>
void WhenShown(std::function<void(Dialog *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no %s is open", Dialog::staticMetaObject.className());
        act(dialog);
    });
}

QStringList ShownButtons(QMessageBox *box)
{
    QStringList shown;
    for (QAbstractButton *b : box->buttons())
        if (!b->isHidden())
            shown << b->text();
    return shown;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void saveQuestion();
    void messages();
    void qtWordsAreChinese();
    void scriptFileDialog();
    void draftFileDialogStartsOnTheProposedFile();
};

void DialogsTest::saveQuestion()
{
    QtDialogs dialogs;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QStringList buttons;
    QAbstractButton *defaultButton = nullptr, *save = nullptr;
    WhenShown<QMessageBox>([&](QMessageBox *box) {
        icon = box->icon();
        title = box->windowTitle();
        buttons = ShownButtons(box);
        defaultButton = box->defaultButton();
        save = box->button(QMessageBox::Save);
        box->button(QMessageBox::Discard)->click();
    });
    QCOMPARE(dialogs.askToSave(QStringLiteral("注意"), QStringLiteral("脚本有尚未保存的内容。")), Answer::No);
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(title, QStringLiteral("注意"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("不保存(&N)"), QStringLiteral("保存(&S)"), QStringLiteral("取消")}));
    QCOMPARE(defaultButton, save);

    // Escape is no answer at all, never the one that lets work go; Enter saves.
    WhenShown<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(dialogs.askToSave(QStringLiteral("注意"), QStringLiteral("？")), Answer::Cancel);
    WhenShown<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    QCOMPARE(dialogs.askToSave(QStringLiteral("注意"), QStringLiteral("？")), Answer::Yes);
    WhenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Cancel)->click(); });
    QCOMPARE(dialogs.askToSave(QStringLiteral("注意"), QStringLiteral("？")), Answer::Cancel);
}

void DialogsTest::messages()
{
    QtDialogs dialogs;
    const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {{MessageIcon::Warning, QMessageBox::Warning},
                                                               {MessageIcon::Error, QMessageBox::Critical}};
    for (const auto &[ours, theirs] : icons) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text;
        WhenShown<QMessageBox>([&](QMessageBox *box) {
            icon = box->icon();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.message(QStringLiteral("错误"), QStringLiteral("你添加的单位太多了。"), ours);
        QCOMPARE(icon, theirs);
        QCOMPARE(text, QStringLiteral("你添加的单位太多了。"));
    }
}

void DialogsTest::qtWordsAreChinese()
{
    // As the window starts; deleting the translator takes it out again.
    const std::unique_ptr<QTranslator> translator(InstallQtTranslations());
    QVERIFY2(translator, "Qt's Chinese translations (qt6-translations-l10n) are not installed");
    QtDialogs dialogs;
    QStringList buttons;
    WhenShown<QMessageBox>([&](QMessageBox *box) {
        buttons = ShownButtons(box);
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message(QStringLiteral("错误"), QStringLiteral("？"), MessageIcon::Error);
    QCOMPARE(buttons, QStringList({QStringLiteral("确定")}));
}

void DialogsTest::scriptFileDialog()
{
    QTemporaryDir dir;
    QtDialogs dialogs;
    QStringList filters;
    QString suffix;
    bool confirms = false;
    QString proposed;
    WhenShown<QFileDialog>([&](QFileDialog *d) {
        proposed = QFileInfo(d->selectedFiles().value(0)).fileName();
        filters = d->nameFilters();
        suffix = d->defaultSuffix();
        confirms = !d->testOption(QFileDialog::DontConfirmOverwrite);
        d->setDirectory(dir.path());
        d->selectFile(QStringLiteral("map"));
        QMetaObject::invokeMethod(d, "accept");
    });
    const QString chosen = dialogs.saveFileName(FileKind::Script, QStringLiteral("地图.rms"));
    QCOMPARE(proposed, QStringLiteral("地图.rms"));
    QCOMPARE(filters, QStringList{QStringLiteral("随机地图脚本文件(*.rms)")});
    QCOMPARE(suffix, QStringLiteral("rms"));
    QVERIFY(confirms);                                         // replacing a file is asked about
    QCOMPARE(chosen, dir.filePath(QStringLiteral("map.rms"))); // a bare name gets ".rms"

    WhenShown<QFileDialog>([](QFileDialog *d) { d->reject(); });
    QCOMPARE(dialogs.saveFileName(FileKind::Script, QString()), QString());
}

void DialogsTest::draftFileDialogStartsOnTheProposedFile()
{
    QTemporaryDir dir;
    QtDialogs dialogs;
    QStringList filters;
    WhenShown<QFileDialog>([&](QFileDialog *d) {
        filters = d->nameFilters();
        d->setDirectory(dir.path());
        d->selectFile(QStringLiteral("work"));
        QMetaObject::invokeMethod(d, "accept");
    });
    const QString saved = dialogs.saveFileName(FileKind::Draft, QString());
    QCOMPARE(filters, QStringList{QStringLiteral("随机地图草稿(*.qlx)")});
    QCOMPARE(saved, dir.filePath(QStringLiteral("work.qlx")));

    QFile file(saved);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // A whole path proposed, folder and all: accepting it as it is opens that file.
    WhenShown<QFileDialog>([](QFileDialog *d) { QMetaObject::invokeMethod(d, "accept"); });
    QCOMPARE(dialogs.openFileName(FileKind::Draft, saved), saved);
}

QTEST_MAIN(DialogsTest)
#include "test_gui_dialogs.moc"
