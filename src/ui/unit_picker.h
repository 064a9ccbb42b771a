#pragma once

#include <QDialog>
#include <QString>
#include <QVector>

class QRadioButton;

namespace quorlin {

// Form2, the unit picker: fourteen categories, each with the chooser it shows
// (a list of display names, or a field for a typed unit ID), and a search over
// all the lists that chooses a category and its entry at once. It opens with no
// category chosen and the hero list shown with nothing picked, and keeps
// nothing between openings: each opening builds a new one.
class UnitPicker : public QDialog {
    Q_OBJECT
public:
    explicit UnitPicker(QWidget *parent = nullptr);

    // What OK hands on: the text of the last shown chooser in reading order.
    QString choice() const;

Q_SIGNALS:
    // OK was pressed; `text` goes unchanged into the unit type caption.
    void picked(const QString &text);

private:
    struct Category {
        QRadioButton *option;
        QWidget *chooser;
    };

    void choose(int category);
    void pickFound(int category, int row);
    void showOnly(const QWidget *chooser);

    QVector<Category> categories_; // in option order
    QVector<QWidget *> choosers_;  // in the order OK reads them
};

} // namespace quorlin
