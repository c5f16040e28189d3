#pragma once

#include "module1.h"
#include "tally.h"

#include <QWidget>

#include <array>
#include <memory>

class Label;
class ListBox;
class QFrame;
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

    // The farewell message shown when the window closes.
    static QString farewellText();

    // The desktop session is ending: closes the window, farewell included, when
    // the session lets the program talk to the user. Returns whether it did.
    bool endSession(bool interactionAllowed);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void setTabOrder();
    void connectEvents();

    void Form_Load();
    void Form_Unload(bool& cancel);
    void Command2_Click(qint16 index);
    void Command3_Click(qint16 index);
    void List1_KeyDown(qint16 index, qint16 keyCode, Qt::KeyboardModifiers shift);
    // Brings one force's totals and both headings up to date after its list was touched.
    void updateForce(qint16 index);

    TabContainer* SSTab1 = nullptr;
    std::array<ListBox*, raceCount> List3{};
    std::array<Shape*, raceCount> Shape1{};
    std::array<Label*, raceCount> Label13{};
    std::array<QPushButton*, forceCount> Command2{};
    std::array<QPushButton*, forceCount> Command3{};
    QPushButton* Command1 = nullptr;
    QFrame* Frame1 = nullptr;
    ForceControls forces;

    std::unique_ptr<Module1> module1;
    bool unloaded = false;
};
