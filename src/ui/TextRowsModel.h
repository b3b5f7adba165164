// The rows of a report-style list: the texts shown, filled whole at each refill, or made when
// the view asks for a cell, so that a list of many rows costs only the rows on the screen.
#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class QTableView;

namespace ui {

class TextRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::vector<QString>;

    // `headers` are source texts of the window `context`; columns from `centredFrom` on are
    // centred (-1: none).
    TextRowsModel(const char* context, std::vector<const char*> headers, int centredFrom, QObject* parent);

    void setRows(std::vector<Row> rows);
    // `count` rows whose texts `cell` gives (row, column), asked for as the view shows them.
    using Cell = std::function<QString(int row, int column)>;
    void setRows(int count, Cell cell);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The headings in the language now in use.
    void retranslate();

private:
    const char* context_;
    std::vector<const char*> headers_;
    int centredFrom_;
    std::vector<Row> rows_;
    int cellRows_ = 0;
    Cell cell_;
};

// A read-only list with grid lines, one whole row selected at a time, kept selected when the
// list loses the focus, and headings that do not sort.
void SetUpReportList(QTableView* view);

// Each column at least its design width (scaled with the Scale setting) and wide enough
// for its heading.
void SetDesignWidths(QTableView* view, const std::vector<int>& designWidths);

} // namespace ui
