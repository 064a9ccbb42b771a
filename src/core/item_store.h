#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace quorlin {

// One list of added items: the line shown for each item, its block of script
// text and whether its line is selected. Line i always belongs to block i, so
// every change goes through this class.
class ItemStore {
public:
    static constexpr int kCapacity = 100;

    int count() const { return lines_.size(); }
    bool isFull() const { return count() >= kCapacity; }
    const QStringList &lines() const { return lines_; }
    const QStringList &blocks() const { return blocks_; }
    QString line(int i) const { return lines_.value(i); }
    QString block(int i) const { return blocks_.value(i); }

    // Appends an item; false (and nothing changes) when the store is full.
    bool add(const QString &line, const QString &block);
    void clear();

    bool isSelected(int i) const { return selected_.value(i, false); }
    void setSelected(int i, bool on);
    // Selects exactly the given lines; false if any index is out of range.
    bool selectOnly(const QVector<int> &indices);
    void selectAll();
    void selectNone();
    // Removes every selected line with its block, keeping the order of the rest.
    void deleteSelected();

    bool operator==(const ItemStore &o) const { return lines_ == o.lines_ && blocks_ == o.blocks_; }

private:
    QStringList lines_;
    QStringList blocks_;
    QVector<bool> selected_;
};

} // namespace quorlin
