// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/ClassTable.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <algorithm>

namespace {
constexpr int SortRole = Qt::UserRole;
constexpr int RowRole = Qt::UserRole + 1; // the row's place in the list, on its name
// The widest a name is shown, in average letters: a longer one is cut with "…" rather than
// push the other columns out of the window.
constexpr int LongestName = 24;

// Grades as a teacher counts them: "2" before "10", numbers before words.
bool GradeBefore(const QString& a, const QString& b)
{
    bool aNumber = false, bNumber = false;
    const int x = a.toInt(&aNumber), y = b.toInt(&bNumber);
    if (aNumber && bNumber)
        return x < y;
    if (aNumber != bNumber)
        return aNumber;
    return QString::localeAwareCompare(a, b) < 0;
}

int ColumnOf(OverviewColumn column)
{
    const QList<OverviewField> fields = OverviewFields();
    const auto at = std::find_if(fields.cbegin(), fields.cend(), [column](const OverviewField& f) { return f.Column == column; });
    return static_cast<int>(at - fields.cbegin());
}

// The heading over two lines, so that the numbers' columns need not be as wide as their words.
QString TwoLines(QString heading)
{
    const qsizetype blank = heading.indexOf(QLatin1Char(' '));
    if (blank > 0)
        heading[blank] = QLatin1Char('\n');
    return heading;
}
} // namespace

// The rows shown: of one grade or all, sorted numbers as numbers and words as words.
class ClassRows : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetGrade(const QString& grade)
    {
        grade_ = grade;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        return grade_.isEmpty() || sourceModel()->index(row, ColumnOf(OverviewColumn::Grade), parent).data().toString() == grade_;
    }
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        const QVariant a = left.data(SortRole), b = right.data(SortRole);
        if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
            return a.toDouble() < b.toDouble();
        return GradeBefore(a.toString(), b.toString());
    }

private:
    QString grade_;
};

ClassTable::ClassTable(QWidget* parent)
    : QTableView(parent)
    , model_(new QStandardItemModel(this))
    , shown_(new ClassRows(this))
    , names_(new QTableView(this))
{
    QStringList headings;
    for (const OverviewField& f : OverviewFields())
        headings << TwoLines(OverviewHeading(f));
    model_->setHorizontalHeaderLabels(headings);
    // Names, grades and levels sort from A at the first click, dates and numbers from the highest.
    const QList<OverviewField> fields = OverviewFields();
    for (int c = 0; c < fields.size(); ++c) {
        const OverviewColumn column = fields[c].Column;
        const bool words = column == OverviewColumn::Name || column == OverviewColumn::Grade || column == OverviewColumn::Level;
        model_->setHeaderData(c, Qt::Horizontal, words ? Qt::AscendingOrder : Qt::DescendingOrder, Qt::InitialSortOrderRole);
    }
    shown_->setSourceModel(model_);
    setModel(shown_);
    for (QTableView* view : {static_cast<QTableView*>(this), names_}) {
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->verticalHeader()->hide();
        view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setWordWrap(false);
        view->setTextElideMode(Qt::ElideRight);
        // Until a heading is clicked the rows stand in the list's order.
        view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        view->setSortingEnabled(true);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    names_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // The names: the same rows, selection and scrolling, over the first column of this table.
    names_->setObjectName(QStringLiteral("Names"));
    names_->setModel(shown_);
    names_->setSelectionModel(selectionModel());
    names_->setFocusPolicy(Qt::NoFocus);
    names_->setFrameShape(QFrame::NoFrame);
    names_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    names_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    names_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 1; c < model_->columnCount(); ++c)
        names_->setColumnHidden(c, true);
    viewport()->stackUnder(names_);
    connect(names_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, names_->verticalScrollBar(), &QScrollBar::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column == 0) {
            names_->setColumnWidth(0, width);
            PlaceNames();
        }
    });
    // One sorting for both: a click on either heading shows its arrow on the other too.
    connect(names_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, horizontalHeader(), &QHeaderView::setSortIndicator);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, names_->horizontalHeader(), &QHeaderView::setSortIndicator);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this] { FitColumns(); });
    widths_.resize(model_->columnCount());
}

void ClassTable::SetRows(const QList<ChildRow>& rows)
{
    rows_ = rows;
    const QList<OverviewField> fields = OverviewFields();
    model_->setRowCount(0);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QList<QStandardItem*> items;
        for (const OverviewField& f : fields) {
            auto* item = new QStandardItem(OverviewText(rows[r], f));
            const auto op = static_cast<size_t>(f.Op);
            switch (f.Column) {
            case OverviewColumn::Practices: item->setData(double(rows[r].PracticesLast7Days), SortRole); break;
            case OverviewColumn::Known: item->setData(double(rows[r].KnownFacts[op]), SortRole); break;
            case OverviewColumn::Fluency:
                item->setText(ShownFluency(rows[r].Fluency[op]));
                item->setData(rows[r].Fluency[op].value_or(-1), SortRole);
                break;
            default: item->setData(item->text(), SortRole); break;
            }
            if (item->data(SortRole).typeId() == QMetaType::Double)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        items.front()->setData(static_cast<int>(r), RowRole);
        model_->appendRow(items);
    }
    // As wide as the widest value or line of the heading. Not wider: the heading's own size
    // keeps room beside the words for the sort arrow, which this style draws above them.
    const QFontMetrics heading(horizontalHeader()->font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 6;
    for (int c = 0; c < model_->columnCount(); ++c) {
        int width = 0;
        for (const QString& line : model_->headerData(c, Qt::Horizontal).toString().split(QLatin1Char('\n')))
            width = std::max(width, heading.horizontalAdvance(line) + padding);
        width = std::max(width, sizeHintForColumn(c));
        if (c == ColumnOf(OverviewColumn::Name))
            width = std::min(width, fontMetrics().averageCharWidth() * LongestName);
        widths_[c] = width;
    }
    FitColumns();
}

void ClassTable::FitColumns()
{
    // The sorted column is wider by the arrow that the style draws beside its heading.
    const int sorted = horizontalHeader()->sortIndicatorSection();
    for (int c = 0; c < model_->columnCount(); ++c)
        setColumnWidth(c, widths_.value(c) + (c == sorted ? ArrowRoom() : 0));
    names_->setColumnWidth(0, columnWidth(0));
    PlaceNames();
}

void ClassTable::ShowGrade(const QString& grade)
{
    shown_->SetGrade(grade);
}

QStringList ClassTable::Grades() const
{
    QStringList grades;
    for (const ChildRow& r : rows_) {
        if (!r.Grade.isEmpty() && !grades.contains(r.Grade))
            grades << r.Grade;
    }
    std::sort(grades.begin(), grades.end(), GradeBefore);
    return grades;
}

QList<ChildRow> ClassTable::ShownRows() const
{
    QList<ChildRow> rows;
    for (int r = 0; r < shown_->rowCount(); ++r)
        rows << rows_.value(shown_->index(r, 0).data(RowRole).toInt());
    return rows;
}

int ClassTable::ArrowRoom() const
{
    return horizontalHeader()->sizeHint().height() / 2 + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
}

QSize ClassTable::WholeSize() const
{
    // Room for the arrow too while no column is sorted, so that a sorting needs no more.
    const int frame = 2 * frameWidth();
    const int arrow = horizontalHeader()->sortIndicatorSection() < 0 ? ArrowRoom() : 0;
    return {horizontalHeader()->length() + arrow + frame + verticalScrollBar()->sizeHint().width(),
            horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame};
}

void ClassTable::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    PlaceNames();
}

void ClassTable::updateGeometries()
{
    QTableView::updateGeometries();
    PlaceNames();
}

QModelIndex ClassTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // A cell moved to from the right stays clear of the names laid over the first column.
    const QModelIndex current = QTableView::moveCursor(action, modifiers);
    if (action == MoveLeft && current.column() > 0 && visualRect(current).left() < names_->columnWidth(0))
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + visualRect(current).left() - names_->columnWidth(0));
    return current;
}

void ClassTable::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // A name is in view once its row is: the columns stay where they are.
    QTableView::scrollTo(index.column() > 0 ? index : index.siblingAtColumn(1), hint);
}

void ClassTable::PlaceNames()
{
    // Its heading as tall as this table's, so that the rows of both stand level.
    names_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    names_->setGeometry(frameWidth(), frameWidth(), columnWidth(0), viewport()->height() + horizontalHeader()->height());
}
