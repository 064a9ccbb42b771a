#pragma once

#include "core/dialogs.h"

#include <QList>
#include <QStringList>

namespace quorlin {

// Dialogs without a screen: answers and file names come from queues filled in
// advance (a question with nothing queued gets its default answer, a file
// dialog with nothing queued is cancelled), and every message is kept.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        MessageIcon icon;
    };
    struct Question {
        QString title;
        QString text;
        bool withCancel;
        Answer defaultAnswer;
    };

    QList<Answer> answers;
    QStringList fileNames;
    QList<Message> messages;
    QList<Question> questions;

    void message(const QString &title, const QString &text, MessageIcon icon) override
    {
        messages.append({title, text, icon});
    }
    Answer ask(const QString &title, const QString &text, bool withCancel, Answer defaultAnswer) override
    {
        questions.append({title, text, withCancel, defaultAnswer});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }
    QString saveFileName(FileKind) override { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
    QString openFileName(FileKind) override { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
};

} // namespace quorlin
