// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The table of the Progress window's "All children": a row per child, a column per value of
// the overview. The names stay in view while the other columns scroll; a click on a heading
// sorts by its column (again for the other way round); it shows the children of one grade or all.

#include "scores/logic/ClassOverview.h"

#include <QTableView>

class QStandardItemModel;
class ClassRows;

class ClassTable : public QTableView {
    Q_OBJECT
public:
    explicit ClassTable(QWidget* parent);

    // The rows in list order; the sorting and the grade shown stay as they were.
    void SetRows(const QList<ChildRow>& rows);
    // Only the children of this grade; "" shows every child.
    void ShowGrade(const QString& grade);
    // The grades of the rows, "2" before "10", none twice, without "".
    QStringList Grades() const;
    // The rows as they stand, from the top: those of the grade shown, in the order shown.
    QList<ChildRow> ShownRows() const;
    // The size in pixels that shows every row and column without scrolling, sorted by any column.
    QSize WholeSize() const;
    // The names, which stay in view: a table of one column laid over this one's first.
    QTableView* Names() const { return names_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint) override;

private:
    void FitColumns();
    int ArrowRoom() const;
    void PlaceNames();

    QList<ChildRow> rows_;
    QList<int> widths_; // of each column's values and heading
    QStandardItemModel* model_;
    ClassRows* shown_;
    QTableView* names_;
};
