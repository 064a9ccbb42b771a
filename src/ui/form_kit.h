#pragma once

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace quorlin {

class ModelBinder;

// Makes the widgets of the settings pages. Each one is named after its control
// and takes its caption, range and list from the control table, so a page only
// says where things go; each is registered with the binder so that it mirrors
// the model from the first sync on.
class FormKit {
public:
    explicit FormKit(ModelBinder &binder) : binder_(binder) {}

    // Settings, bound to the model.
    QCheckBox *check(const char *name);
    QRadioButton *option(const char *name);
    QSlider *slider(const char *name);
    QLineEdit *text(const char *name, int width = 60);
    QComboBox *combo(const char *name);
    QListWidget *list(const char *name);

    // Display widgets: they follow the model's enabled and shown states.
    QLabel *label(const char *name, const QString &caption);
    QLabel *title(const char *name, const QString &caption); // the page title
    QLabel *note(const char *name);                          // the green "add" reminder
    QLabel *scaleFactor(const char *name);                   // blue "比例系数" with the map sizes
    QLabel *valueLabel(const char *name);                    // shows a slider's value
    QLabel *display(const char *name);                       // a setting the program writes (the unit type)
    QPushButton *button(const char *name, const QString &caption);
    // A settings button: a click is the model's click of that name.
    QPushButton *modelButton(const char *name, const QString &caption);
    QGroupBox *frame(const char *name, const QString &title);

    // A slider with its value label beside it, or its end labels below it (and
    // the value label beside it when `value` names one).
    QWidget *sliderWithValue(const char *slider, const char *value);
    QWidget *sliderWithEnds(const char *slider, const char *low, const QString &lowText, const char *high,
                            const QString &highText, const char *value = nullptr);

    // A field counted in the map size's scale factor: "field × 比例系数".
    QHBoxLayout *scaled(const char *field, const char *times, const char *scale);

    // The frame of added items: the list with select all, select none and delete.
    QGroupBox *addedItems(const char *frame, const QString &title, const char *list, const char *all, const char *none,
                          const char *remove);
    // The column beside an editor: its "添加" button above the frame of added items.
    QVBoxLayout *itemsColumn(const char *add, const char *frame, const QString &title, const char *list,
                             const char *all, const char *none, const char *remove);

    // "caption: field" as one row of a grid.
    void addRow(QGridLayout *grid, int row, QLabel *caption, QWidget *field, int span = 1);

    ModelBinder &binder() { return binder_; }

private:
    ModelBinder &binder_;
};

// Lays widgets side by side (nullptr adds a stretch).
QHBoxLayout *Row(std::initializer_list<QWidget *> widgets, bool trailingStretch = true);

} // namespace quorlin
