#include "ui/TextRowsModel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

#include "ui/Screen.h"
#include "ui/State.h"
#include "ui/Widgets.h"

namespace ui {

TextRowsModel::TextRowsModel(const char* context, std::vector<const char*> headers, int centredFrom,
                             QObject* parent)
    : QAbstractTableModel(parent), context_(context), headers_(std::move(headers)), centredFrom_(centredFrom) {}

void TextRowsModel::setRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    cellRows_ = 0;
    cell_ = nullptr;
    endResetModel();
}

void TextRowsModel::setRows(int count, Cell cell) {
    beginResetModel();
    rows_.clear();
    cellRows_ = count;
    cell_ = std::move(cell);
    endResetModel();
}

int TextRowsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return cell_ ? cellRows_ : static_cast<int>(rows_.size());
}

int TextRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TextRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole && centredFrom_ >= 0)
        return index.column() >= centredFrom_ ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (cell_) return cell_(index.row(), index.column());
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? row[column] : QString();
}

QVariant TextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(headers_.size()))
        return {};
    return QCoreApplication::translate(context_, headers_[static_cast<std::size_t>(section)]);
}

void TextRowsModel::retranslate() {
    if (!headers_.empty()) emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(headers_.size()) - 1);
}

void SetUpReportList(QTableView* view) {
    view->setShowGrid(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    KeepSelectionVisible(view);
}

void SetDesignWidths(QTableView* view, const std::vector<int>& designWidths) {
    const QHeaderView* header = view->horizontalHeader();
    for (int column = 0; column < static_cast<int>(designWidths.size()); ++column) {
        const int design = designWidths[static_cast<std::size_t>(column)];
        const int scaled = State().scaleWindows ? ScaleToScreen(design) : design;
        const QString heading = view->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        view->setColumnWidth(column, std::max(scaled, header->fontMetrics().horizontalAdvance(heading) + 16));
    }
}

} // namespace ui
