#pragma once
// The full-screen background window that carries the menu and stays behind every
// other window. Closing it ends the program.

#include "core/Form.h"

class BackForm : public Form {
    Q_OBJECT
public:
    BackForm();

protected:
    void FormLoad() override;
    void closeEvent(QCloseEvent* event) override;
};
