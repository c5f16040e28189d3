#pragma once

#include "module1.h"
#include "tally.h"

#include <QWidget>

#include <array>

class Label;
class ListBox;
class QGroupBox;
class QPushButton;
class Shape;
class TabContainer;

// The program's one window: the race tabs with their unit lists on the left,
// the two force columns on the right.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const Module1& data() const { return *module1; }

private:
    void createControls();
    void setTabOrder();

    TabContainer* SSTab1 = nullptr;
    std::array<ListBox*, raceCount> List3{};
    std::array<Shape*, raceCount> Shape1{};
    std::array<Label*, raceCount> Label13{};
    std::array<QPushButton*, forceCount> Command2{};
    std::array<QPushButton*, forceCount> Command3{};
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    ForceControls forces;

    std::unique_ptr<Module1> module1;
};
