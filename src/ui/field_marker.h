#pragma once

#include "fields/field_marks.h"

#include <QHash>
#include <QPointer>
#include <QString>

class QWidget;

namespace quorlin {

class Settings;

// Shows a field's mark: a warning sign inside the field (beside the arrow of
// a closed list, at the right end of a caption), and the mark's text as the
// control's tooltip after any tooltip of its own. An unmarked field's sign goes.
void ShowMark(QWidget *control, const FieldMark &mark);

// What a screen reader hears of the control's mark, or empty.
QString MarkText(const QWidget *control);

// The marks of the settings pages: judges the fields again whenever the
// settings have changed and shows each one's mark on its control.
class FieldMarker {
public:
    // A control of a judged field (IsJudgedField).
    void watch(QWidget *control);
    void refresh(const Settings &settings, qint64 xn);

private:
    QHash<QString, QPointer<QWidget>> controls_;
    quint64 revision_ = 0;
    qint64 xn_ = 0;
    bool fresh_ = false;
};

} // namespace quorlin
