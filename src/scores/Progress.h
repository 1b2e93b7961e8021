// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The Progress window: what the chosen child knows, fact by fact, per operation (a grid of
// letters and colours, the counts, the slowest facts, a fact's last answers under the
// pointer); the practice sheet and the progress report for the printer or a PDF file; and
// every child of the list in one table, which can be saved as CSV.

#include "core/Form.h"
#include "core/logic/Player.h"
#include "core/logic/PrinterDevice.h"
#include "scores/logic/ClassOverview.h"
#include "scores/logic/Mastery.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;

class Progress : public Form {
    Q_OBJECT
public:
    // The chosen player's facts and files, and the whole list for the class tab.
    Progress(const Services& services, const PlayerRoster& roster, const Player& player, QWidget* parent);

    // The tab shown: 0-3 an operation, 4 all children.
    void ShowTab(int tab);
    // The operation of the grid (the last operation tab chosen).
    int Operation() const { return op_; }
    const FactsHistory& History() const { return history_; }

protected:
    void FormLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const PlayerRoster& roster_;
    const Player& player_;
    void PrintSheet();
    void PrintReport();
    void ExportCsv();
    // Sends pages to the printer, or to a PDF file chosen now when "Save as PDF" is ticked.
    void Output(const PageLayOut& layOut, const QString& documentName);
    QString AskFileName(const QString& caption, const QString& suggestedName, const QString& filter);
    void ShowFact(int cell);
    void FillClassList();

    FactsHistory history_;
    QList<ChildRow> rows_;
    int op_ = 0;
    bool overviewRead_ = false;

    QTabBar* Tabs;
    std::array<QLabel*, FactsPerOperation> Cell{};
    std::array<QLabel*, 20> Heading{}; // the partners across, then the tables down
    QLabel* Counts;
    QLabel* Legend;
    QLabel* Slowest;
    QLabel* Details;
    QTableWidget* ClassList;
    QPushButton* Command1; // Print practice sheet
    QPushButton* Command2; // Progress report
    QCheckBox* Check1;     // Save as PDF
    QPushButton* Command3; // Export CSV
    QPushButton* Command4; // Exit
};
