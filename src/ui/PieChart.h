// A tilted three-dimensional pie with labelled slices, painted with QPainter so that the
// window and the printed page show the same picture. Labels stand outside the pie, in two
// columns, pushed apart so that they never overlap.
#pragma once

#include <QColor>
#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;
class QPaintDevice;

namespace ui {

struct PieSlice {
    QString label;
    double value = 0;
    QColor colour; // invalid: the colour of its place in the series
};

struct PieChart {
    QString title;
    std::vector<PieSlice> slices;
};

// The colour a slice takes from its place in the series.
QColor PieSliceColour(int index);

// Where the parts of the chart go inside a target, measured with a font on a device.
struct PieLayout {
    struct Label {
        int slice = 0;
        QString text; // "label value"
        QRectF rect;
        QPolygonF leader; // from the rim of the slice, out, then to the label
    };
    QRectF titleRect;
    QRectF pieBounds; // the pie with its side wall
    QFont font;       // of the labels, smaller than asked when many would not fit
    std::vector<Label> labels;
};

PieLayout LayOutPieChart(const PieChart& chart, const QRectF& target, const QFont& font,
                         QPaintDevice* device);

void PaintPieChart(QPainter& painter, const PieChart& chart, const QRectF& target,
                   const QFont& font);

// The chart as a control of a window.
class PieChartView : public QWidget {
    Q_OBJECT
public:
    explicit PieChartView(QWidget* parent = nullptr);
    void setChart(PieChart chart);
    const PieChart& chart() const { return chart_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PieChart chart_;
};

} // namespace ui
