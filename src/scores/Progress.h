// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The Progress window: what the chosen child knows, fact by fact, per operation (a grid of
// letters and colours, the counts, the slowest facts, a fact's last answers under the
// pointer); the practice sheet and the progress report for the printer or a PDF file; and
// every child of the list in one table, which can be printed and saved as CSV. The window
// takes any size from the grids' up; it keeps one size for the grids and one for the table
// of all children, and a size a person gave it for the next time.

#include "core/Form.h"
#include "core/logic/Player.h"
#include "core/logic/PrinterDevice.h"
#include "scores/logic/ClassOverview.h"
#include "scores/logic/Mastery.h"

#include <array>
#include <memory>

class ClassTable;
class FaceSizes;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;

class Progress : public Form {
    Q_OBJECT
public:
    // The chosen player's facts and files, and the whole list for the class tab.
    Progress(const Services& services, const PlayerRoster& roster, const Player& player, QWidget* parent);
    ~Progress() override;

    // The tab shown: 0-3 an operation, 4 all children.
    void ShowTab(int tab);
    // Reads the files again: a drill has ended meanwhile.
    void Refresh();
    // The operation of the grid (the last operation tab chosen).
    int Operation() const { return op_; }
    const FactsHistory& History() const { return history_; }

protected:
    void FormLoad() override;
    void FormUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const PlayerRoster& roster_;
    const Player& player_;
    void PrintSheet();
    void PrintReport();
    void PrintClassReport();
    void ExportCsv();
    // Sends pages to the printer, or to a PDF file chosen now when "Save as PDF" is ticked.
    void Output(const PageLayOut& layOut, const QString& documentName);
    QString AskFileName(const QString& caption, const QString& suggestedName, const QString& filter);
    void ShowFact(int cell);
    void FillClassList();
    void FillGrades();
    // Lays the controls out for the window's size.
    void PlaceControls();

    FactsHistory history_;
    int op_ = 0;
    bool overviewRead_ = false;
    std::unique_ptr<FaceSizes> sizes_;

    QTabBar* Tabs;
    std::array<QLabel*, FactsPerOperation> Cell{};
    std::array<QLabel*, 20> Heading{}; // the partners across, then the tables down
    QLabel* Counts;
    QLabel* Legend;
    QLabel* Slowest;
    QLabel* Details;
    ClassTable* ClassList;
    QComboBox* Combo1;     // the grade shown in the table
    QPushButton* Command1; // Print practice sheet
    QPushButton* Command2; // Progress report
    QCheckBox* Check1;     // Save as PDF
    QPushButton* Command3; // Export CSV
    QPushButton* Command4; // Exit
    QPushButton* Command5; // Class report
};
