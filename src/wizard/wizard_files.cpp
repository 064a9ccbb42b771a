#include "wizard/wizard_model.h"

#include "core/text_files.h"
#include "core/ui_text.h"
#include "drafts/draft.h"
#include "script/script_file.h"

#include <QFile>
#include <QFileInfo>

// The model's files and the questions before work is lost: saving the
// script, saving and opening drafts, and whether the program may end.

namespace quorlin {

namespace {

// The titles of the wizard's messages.
QString Attention() { return Ui::tr("注意"); }
QString Failure() { return Ui::tr("错误"); }

QString FileName(const QString &path) { return QFileInfo(path).fileName(); }

} // namespace

bool WizardModel::saveScript()
{
    if (!dialogs_)
        return false;
    // GBK would turn such a character into "?" in the file without a word.
    QString character;
    const int line = FirstNonGbkLine(script_, &character);
    if (line > 0) {
        report(Attention(),
               Ui::tr("脚本第 %1 行中含有 GBK 无法表示的字符“%2”，脚本文件无法保存它，所以没有保存。请先删去它。")
                   .arg(line)
                   .arg(character),
               MessageIcon::Warning);
        return false;
    }
    const QString path = dialogs_->saveFileName(FileKind::Script);
    if (path.isEmpty())
        return false;
    QString error;
    if (!WriteFileAtomically(path, ScriptFileBytes(script_), &error)) {
        report(Failure(), Ui::tr("无法保存脚本文件“%1”：%2").arg(path, error), MessageIcon::Error);
        return false;
    }
    saved_ = true;
    Q_EMIT status(Ui::tr("已保存：%1").arg(FileName(path)));
    notify();
    return true;
}

bool WizardModel::settle(const QString &question, const std::function<bool()> &save)
{
    if (!dialogs_)
        return true;
    switch (dialogs_->ask(Attention(), question, true, Answer::Yes)) {
    case Answer::Yes: return save(); // a cancelled or failed save keeps the work here
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

bool WizardModel::mayExit()
{
    if (page_ != kLastPage) {
        // Settings and added items live only here until a draft holds them.
        if (!isModified())
            return true;
        return settle(Ui::tr("设置和已添加的项目有改动，尚未保存为草稿。退出前要保存草稿吗？"),
                      [this] { return saveDraft(); });
    }
    if (saved_ || !dialogs_)
        return true;
    const Answer answer = dialogs_->ask(Attention(), Ui::tr("是否保存所作的修改？"), false, Answer::Yes);
    if (answer == Answer::No)
        return true;
    // A question closed without an answer (Escape, its close box) keeps the program open.
    if (answer == Answer::Cancel)
        return false;
    return saveScript();
}

bool WizardModel::saveDraftTo(const QString &path, QString *error) const
{
    QByteArray bytes;
    if (!EncodeDraft(project_, &bytes, error))
        return false;
    return WriteFileAtomically(path, bytes, error);
}

bool WizardModel::saveDraft()
{
    if (!dialogs_)
        return false;
    const QString path = dialogs_->saveFileName(FileKind::Draft);
    if (path.isEmpty())
        return false;
    QByteArray bytes;
    QString error;
    if (!EncodeDraft(project_, &bytes, &error)) {
        report(Attention(), error, MessageIcon::Warning);
        return false;
    }
    if (!WriteFileAtomically(path, bytes, &error)) {
        report(Failure(), Ui::tr("无法保存草稿“%1”：%2").arg(path, error), MessageIcon::Error);
        return false;
    }
    markDraft(path);
    Q_EMIT status(Ui::tr("已保存：%1").arg(FileName(path)));
    notify();
    return true;
}

bool WizardModel::mayOpenDraft()
{
    return dialogs_
           && dialogs_->ask(Attention(), Ui::tr("确实要放弃正在编辑的脚本，打开一个草稿吗？"), true, Answer::No)
                  == Answer::Yes;
}

bool WizardModel::openDraft()
{
    if (!mayOpenDraft())
        return false;
    const QString path = dialogs_->openFileName(FileKind::Draft);
    if (path.isEmpty())
        return false;
    return openDraftFile(path);
}

bool WizardModel::askAndOpenDraft(const QString &path) { return mayOpenDraft() && openDraftFile(path); }

bool WizardModel::openDraftFile(const QString &path)
{
    QString error;
    if (openDraftFrom(path, &error)) {
        Q_EMIT status(Ui::tr("已打开：%1").arg(FileName(path)));
        return true;
    }
    report(Failure(), Ui::tr("无法打开草稿“%1”：%2\n没有做任何更改。").arg(path, error), MessageIcon::Error);
    return false;
}

bool WizardModel::openScriptFile(const QString &path)
{
    // Far beyond any map script; reading stops there, whatever the file is.
    constexpr qint64 kMaxScriptSize = 16 * 1024 * 1024;
    QFile file(path);
    QByteArray bytes;
    QString error;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if ((bytes = file.read(kMaxScriptSize + 1)).size() > kMaxScriptSize)
        error = Ui::tr("文件太大，不是地图脚本。");
    else if (file.error() != QFileDevice::NoError)
        error = file.errorString();
    if (!error.isEmpty()) {
        report(Failure(), Ui::tr("无法打开脚本“%1”：%2").arg(path, error), MessageIcon::Error);
        return false;
    }
    while (page_ < kLastPage)
        next();
    // Saved again unchanged, the file comes out byte for byte as it was read.
    QString text = FromGbk(bytes);
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    setScript(text);
    saved_ = true; // it is on disk as it stands
    Q_EMIT status(Ui::tr("已打开：%1").arg(FileName(path)));
    notify();
    return true;
}

} // namespace quorlin
