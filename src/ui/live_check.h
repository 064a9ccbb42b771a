#pragma once

#include "lang/check.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

class QPlainTextEdit;

namespace quorlin {

// What checks a script; the window uses lang::CheckScript.
using CheckFunction = std::function<QVector<lang::Problem>(const QString &, lang::Dialect)>;

// Checks the script of a text box again whenever it has rested for a moment,
// on a worker thread, so that typing never waits for a check. A keystroke
// only counts a revision and restarts the pause; a check's result is
// published only if the text is still the one it read, for otherwise a
// newer check is already on its way. One check runs at a time.
class LiveCheck : public QObject {
    Q_OBJECT
public:
    LiveCheck(QPlainTextEdit *edit, CheckFunction check, QObject *parent = nullptr);
    ~LiveCheck() override;

    lang::Dialect dialect() const { return dialect_; }
    // Checks again at once in this dialect.
    void setDialect(lang::Dialect dialect);
    // How long the text must rest before it is checked.
    void setPause(int milliseconds) { pause_.setInterval(milliseconds); }
    // Checks now rather than after the pause.
    void checkNow();

Q_SIGNALS:
    // The problems of the text as it is at this moment.
    void checked(const QVector<lang::Problem> &problems);

private:
    void start();
    void finished();

    QPlainTextEdit *edit_;
    CheckFunction check_;
    lang::Dialect dialect_ = lang::Dialect::Classic;
    QTimer pause_;
    QFutureWatcher<QVector<lang::Problem>> running_;
    quint64 revision_ = 0;        // counts the edits
    quint64 checkedRevision_ = 0; // the revision the running check read
    bool again_ = false;          // asked for while one was running
};

} // namespace quorlin
