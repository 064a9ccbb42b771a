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

// How the status line names a script file's encoding.
QString EncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Gbk: return QStringLiteral("GBK");
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithBom: return Ui::tr("UTF-8，带 BOM");
    }
    return QString();
}

// "map.rms（UTF-8）"
QString ScriptNote(const QString &path, TextEncoding encoding)
{
    return Ui::tr("%1（%2）").arg(FileName(path), EncodingName(encoding));
}

// A bare name like `path`'s with the other kind's extension: the dialog puts it
// in the folder it showed last for that kind.
QString Renamed(const QString &path, const char *suffix)
{
    return path.isEmpty() ? QString() : QFileInfo(path).completeBaseName() + QLatin1String(suffix);
}

} // namespace

QString WizardModel::proposedName(FileKind kind) const
{
    if (kind == FileKind::Draft)
        return !draft_.path.isEmpty() ? draft_.path : Renamed(scriptFile_.path, ".qlx");
    return !scriptFile_.path.isEmpty() ? scriptFile_.path : Renamed(draft_.path, ".rms");
}

bool WizardModel::saveScript()
{
    if (!dialogs_)
        return false;
    // Unchanged since it was read, the file goes out as it came in, whatever
    // its line ends, final line and bytes that were no text at all.
    const bool asRead = !scriptFile_.path.isEmpty() && script_ == scriptFile_.text;
    // GBK would turn such a character into "?" in the file without a word.
    QString character;
    const bool gbk = !asRead && scriptFile_.encoding == TextEncoding::Gbk;
    const int line = gbk ? FirstNonGbkLine(script_, &character) : 0;
    if (line > 0) {
        report(Attention(),
               Ui::tr("脚本第 %1 行中含有 GBK 无法表示的字符“%2”，脚本文件无法保存它，所以没有保存。请先删去它。")
                   .arg(line)
                   .arg(character),
               MessageIcon::Warning);
        return false;
    }
    const QString path = dialogs_->saveFileName(FileKind::Script, proposedName(FileKind::Script));
    if (path.isEmpty())
        return false;
    const QByteArray bytes = asRead ? scriptFile_.bytes : ScriptFileBytes(script_, scriptFile_.encoding);
    QString error;
    if (!WriteFileAtomically(path, bytes, &error)) {
        report(Failure(), Ui::tr("无法保存脚本文件“%1”：%2").arg(path, error), MessageIcon::Error);
        return false;
    }
    scriptFile_ = {path, scriptFile_.encoding, script_, bytes};
    saved_ = true;
    note(Ui::tr("已保存：%1").arg(ScriptNote(path, scriptFile_.encoding)), FileKind::Script);
    notify();
    return true;
}

bool WizardModel::settle(const QString &question, const std::function<bool()> &save)
{
    if (!dialogs_)
        return true;
    switch (dialogs_->askToSave(Attention(), question)) {
    case Answer::Yes: return save(); // a cancelled or failed save keeps the work here
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

bool WizardModel::mayExit()
{
    // Settings and added items live only here until a draft holds them, the
    // script page's text until a file does; one question names all of it.
    const bool draft = isModified();
    const bool script = page_ == kLastPage && !saved_;
    if (!draft && !script)
        return true;
    const QString scriptName =
        scriptFile_.path.isEmpty() ? Ui::tr("脚本") : Ui::tr("脚本“%1”").arg(FileName(scriptFile_.path));
    QString question;
    if (draft && script)
        question = Ui::tr("设置和已添加的项目有改动，尚未保存为草稿；%1也有尚未保存的内容。退出会丢失这些内容。"
                          "要先保存草稿和脚本吗？")
                       .arg(scriptName);
    else if (draft)
        question = Ui::tr("设置和已添加的项目有改动，尚未保存为草稿。退出会丢失这些改动。要先保存草稿吗？");
    else
        question = Ui::tr("%1有尚未保存的内容。退出会丢失这些内容。要先保存脚本吗？").arg(scriptName);
    return settle(question, [this, draft, script] { return (!draft || saveDraft()) && (!script || saveScript()); });
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
    const QString path = dialogs_->saveFileName(FileKind::Draft, proposedName(FileKind::Draft));
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
    note(Ui::tr("已保存：%1").arg(FileName(path)), FileKind::Draft);
    notify();
    return true;
}

bool WizardModel::mayOpenDraft()
{
    // Only what no draft holds yet is at stake; opening can be undone anyway.
    return !isModified()
           || settle(Ui::tr("设置和已添加的项目有改动，尚未保存为草稿。打开草稿会替换这些改动（按 Ctrl+Z 可以撤销）。"
                            "要先保存草稿吗？"),
                     [this] { return saveDraft(); });
}

bool WizardModel::openDraft()
{
    if (!dialogs_ || !mayOpenDraft())
        return false;
    const QString path = dialogs_->openFileName(FileKind::Draft, draft_.path);
    if (path.isEmpty())
        return false;
    return openDraftFile(path);
}

bool WizardModel::askAndOpenDraft(const QString &path) { return mayOpenDraft() && openDraftFile(path); }

bool WizardModel::openDraftFile(const QString &path)
{
    QString error;
    if (openDraftFrom(path, &error)) {
        note(Ui::tr("已打开：%1").arg(FileName(path)));
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
    // Read as the checker reads it; kept with its bytes, so that saved again
    // unchanged it comes out byte for byte as it was read, and with its
    // encoding for when it has changed. The text has CR LF line ends, as the
    // editor gives back, and no final one, which saving adds.
    const DecodedText decoded = DecodeText(bytes);
    QString text = decoded.text;
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    text = ScriptFileText(text);
    text.chop(2);
    scriptFile_ = {path, decoded.encoding, text, bytes};
    setScript(text); // which is what its file holds: saved
    note(Ui::tr("已打开：%1").arg(ScriptNote(path, decoded.encoding)));
    notify();
    return true;
}

} // namespace quorlin
