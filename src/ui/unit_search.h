#pragma once

#include <QLineEdit>

namespace quorlin {

// The unit picker's search field. Typing offers every list entry one of whose
// search keys (display name, script constant, everyday names) contains the
// text, from all categories at once, each with its category ("剑士 — 兵营单位").
// A pick is reported by where the entry stands, so a name in two lists, or
// twice in one, gives two different picks.
class UnitSearch : public QLineEdit {
    Q_OBJECT
public:
    explicit UnitSearch(QWidget *parent = nullptr);

Q_SIGNALS:
    // `category` indexes PickerCategories(), `row` that category's entries.
    void found(int category, int row);
    // The text typed now finds no entry at all (true), or finds some again or is gone (false).
    void nothingFound(bool none);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool nothingFound_ = false;
};

} // namespace quorlin
