#pragma once

#include <QWidget>

class QPushButton;

namespace quorlin {

class FormKit;

// The six pages of the wizard, Pic(0) to Pic(5). Each lays out its controls;
// the values, states and captions come from the model through the binder.
// The page titles have their own numbering (lbl(0), lbl(5), lbl(1)...).

class ZonePage : public QWidget { // Pic(0): base terrain and the players' zones
public:
    explicit ZonePage(FormKit &kit);
};

class LandPage : public QWidget { // Pic(1): adding lands
public:
    explicit LandPage(FormKit &kit);
};

class TerrainPage : public QWidget { // Pic(2): adding terrains, mixed water
public:
    explicit TerrainPage(FormKit &kit);
};

class UnitPage : public QWidget { // Pic(3): adding units, ready-made units
public:
    explicit UnitPage(FormKit &kit);
    QPushButton *chooseButton() const { return choose_; }

private:
    QPushButton *choose_;
};

class ElevationPage : public QWidget { // Pic(4): elevation, cliffs, connections
public:
    explicit ElevationPage(FormKit &kit);
};

class ScriptPage : public QWidget { // Pic(5): the finished script
public:
    explicit ScriptPage(FormKit &kit);
    QPushButton *saveButton() const { return save_; }

private:
    QPushButton *save_;
};

} // namespace quorlin
