#pragma once

#include "core/dialogs.h"
#include "core/item_store.h"
#include "core/outcome.h"
#include "core/project.h"
#include "core/settings.h"
#include "core/text_files.h"
#include "wizard/history.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace quorlin {

// The whole wizard without a window: the settings of pages 0 to 4, the three
// lists of added items, the unit constant counter, the page shown and the
// script. The window, the command line and the tests all drive this one object.
class WizardModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kLastPage = 5;

    explicit WizardModel(Dialogs *dialogs, QObject *parent = nullptr);

    // Read only: every change goes through a call below, which tells the views.
    const Settings &settings() const { return project_.settings; }
    // The whole work of pages 0 to 4, as drafts and undo keep it.
    const Project &project() const { return project_; }

    // Setting values by control name; every change runs the control rules.
    QString setValue(const QString &name, const QString &value); // empty when accepted
    bool setCheck(const QString &name, int value);
    bool setOption(const QString &name, bool on);
    bool setSlider(const QString &name, int value);
    bool setText(const QString &name, const QString &value);

    // The lists Lst0 (lands), Lst1 (terrains) and Lst2 (units).
    ItemStore *list(const QString &name);
    const ItemStore &lands() const { return project_.lands; }
    const ItemStore &terrains() const { return project_.terrains; }
    const ItemStore &units() const { return project_.units; }
    bool selectLines(const QString &list, const QVector<int> &lines);
    void setLineSelected(const QString &list, int line, bool on);

    qint64 xn() const { return project_.xn; }

    // Presses a button by name, one of buttons(). A refused add comes back
    // refused, its reason already shown to the user; a name that is no button
    // here comes back refused too, without a word to the user.
    Outcome click(const QString &button);
    static QStringList buttons();

    // The handlers behind the buttons. A refused add tells the user why,
    // changes nothing and says why in its outcome as well.
    Outcome addLand();
    Outcome addTerrain();
    Outcome addUnit();
    void selectAllReadyMade();
    void restoreDefaults();

    // Enabled and shown states and captions, for the window to mirror.
    bool isEnabled(const QString &name) const;
    bool isVisible(const QString &name) const;
    QString caption(const QString &name) const;

    // Navigation and the finished script.
    int page() const { return page_; }
    void next();
    void back();
    QString script() const { return script_; }
    void setScript(const QString &text);
    bool isSaved() const { return saved_; }
    // The date written into the script as it is (even when empty); until one
    // is set, each build writes today's short date.
    void setDate(const QString &date) { date_ = date; }
    QString assemble() const;

    // Asks for a file name and saves the script; true when it was written.
    // A script opened from a file goes back in that file's encoding, byte for
    // byte when it is unchanged; any other is written in GBK.
    bool saveScript();
    // The file the script page's text came from or was saved to last (empty
    // for a script just built), and the encoding it is saved in.
    QString scriptPath() const { return scriptFile_.path; }
    TextEncoding scriptEncoding() const { return scriptFile_.encoding; }
    // Whether the program may end now. With anything unsaved (settings not
    // kept in a draft, the script page's text not in a file) it asks one
    // question that names what; only "不保存", or saving everything named,
    // lets it end.
    bool mayExit();

    // Undo and redo of the user's changes on pages 0 to 4: values, adds,
    // deletes, select all, restore defaults, opening a draft. The script page
    // keeps its own undo for the text.
    bool canUndo() const { return page_ != kLastPage && history_.canUndo(); }
    bool canRedo() const { return page_ != kLastPage && history_.canRedo(); }
    void undo();
    void redo();

    // The draft saved or opened last (empty before the first), and whether
    // anything has changed since.
    QString draftPath() const { return draft_.path; }
    bool isModified() const { return project_ != draft_.saved; }
    // The name a save dialog of that kind starts with: the file the work came
    // from or went to last, else one after the other kind's file; or none.
    QString proposedName(FileKind kind) const;

    // Drafts through the file dialog, with the question before opening.
    bool saveDraft();
    bool openDraft();
    // Drafts by path, without dialogs; on failure `error` says why and nothing changed.
    bool saveDraftTo(const QString &path, QString *error) const;
    bool openDraftFrom(const QString &path, QString *error);
    // Puts a draft's bytes in place as one step; on failure nothing changed.
    bool applyDraft(const QByteArray &bytes, QString *error);
    // Opens a draft by path, telling the user through the dialogs when it cannot.
    bool openDraftFile(const QString &path);
    // Opens a draft already chosen (dropped on the window, picked from the
    // recent ones) as openDraft() does, with the same question first.
    bool askAndOpenDraft(const QString &path);
    // Shows a script file on the script page, ready to edit and save, read
    // as the checker reads it (UTF-8 or GBK); one that cannot be read is
    // reported and changes nothing.
    bool openScriptFile(const QString &path);

    // Puts the draft's values in place; used by the draft reader once the
    // whole file has been checked.
    void replaceItems(const ItemStore &lands, const ItemStore &terrains, const ItemStore &units, qint64 xn);

    Dialogs *dialogs() const { return dialogs_; }

    // Puts a note on the status line (also for what a view knows of a
    // change); a note that something was saved is taken back once that thing
    // changes again.
    void note(const QString &text, std::optional<FileKind> saved = std::nullopt);

Q_SIGNALS:
    // Something the window shows has changed.
    void changed();
    // A short note for the status line ("已保存：地图.qlx").
    void status(const QString &text);
    // A draft was saved to or opened from this file.
    void draftFiled(const QString &path);

private:
    // One user action: the state before it becomes an undo step if the action
    // changed anything. Nested actions (a draft's many values) make one step.
    class Step;
    friend class Step;
    void restore(const Project &state);
    void restore(const History::State &state);
    void markDraft(const QString &path);
    // Asks what to do with unsaved work: true to go on (saved, or No), false to stay.
    bool settle(const QString &question, const std::function<bool()> &save);
    // Whether the work here may give way to a draft: the question before opening one.
    bool mayOpenDraft();

    void report(const QString &title, const QString &text, MessageIcon icon);
    // Shows a refused outcome's reason to the user and passes the outcome on.
    Outcome tell(const Outcome &outcome);
    void notify();
    // Tells the view after a setter ran, passing the setter's result on.
    bool announce(bool accepted);

    Dialogs *dialogs_;
    Project project_;
    int page_ = 0;
    QString script_;
    bool saved_ = false;
    // The script's file: where it is, its encoding, and the text and bytes it
    // held when read or written, so that an unchanged script is saved as it was.
    struct ScriptFile {
        QString path;
        TextEncoding encoding = TextEncoding::Gbk;
        QString text;
        QByteArray bytes;
    };
    ScriptFile scriptFile_;
    std::optional<FileKind> savedNote_;
    std::optional<QString> date_;
    QString builtScript_; // the script as the last build made it, before hand edits

    History history_;
    int stepDepth_ = 0;
    Project stepBefore_;
    DraftFile stepFile_;
    QString stepKey_;
    DraftFile draft_;
};

} // namespace quorlin
