#pragma once
// The "Current Level" frame of the configuration window: operation, kind and number
// lists (Combo1 to Combo3). Its click rules keep the working PracticeOp and TableNum
// of the shared state in step with what the lists show.

#include "core/logic/AppState.h"

#include <QGroupBox>

class QComboBox;

class LevelFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit LevelFrame(QWidget* parent);
    // Shows the working level, selecting each entry from code as the user would.
    void Preset();
    // 1 for "Up to", 0 for "Just".
    Int16 KindFlag() const { return kindFlag_; }

private:
    void Select(QComboBox* list, int entry);
    void ListClick(QComboBox* list);
    void OperationClick();
    void KindClick();
    void NumberClick();

    Int16 kindFlag_ = 0;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
};
