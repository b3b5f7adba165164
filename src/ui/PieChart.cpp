#include "ui/PieChart.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace ui {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Seen from 45 degrees above the table (elevation 315), turned by nothing (rotation 360),
// with the eye close enough for the far side to look smaller.
constexpr double kElevation = 45 * kPi / 180;
constexpr double kCamera = 4.5;    // distance of the eye, in radii of the pie
constexpr double kThickness = 0.2; // of the pie, in radii
constexpr double kFirstAngle = 0; // degrees; slices follow clockwise from the right
constexpr double kMinimumPoints = 5;

struct Projection {
    QPointF centre;
    double scale = 1;

    // A point of the pie: angle in degrees on its rim at radius r, z its height (0 on top).
    QPointF at(double degrees, double r = 1, double z = 0) const {
        const double a = degrees * kPi / 180;
        const double x = r * std::cos(a), y = r * std::sin(a);
        const double up = y * std::sin(kElevation) + z * std::cos(kElevation);
        const double distance = kCamera + y * std::cos(kElevation) - z * std::sin(kElevation);
        const double f = kCamera / distance;
        return {centre.x() + x * f * scale, centre.y() - up * f * scale};
    }
};

// The pie's outline for a radius of 1 around (0, 0), rim and bottom edge together.
QRectF UnitBounds() {
    const Projection unit;
    QPolygonF points;
    for (int d = 0; d < 360; ++d) {
        points << unit.at(d) << unit.at(d, 1, -kThickness);
    }
    return points.boundingRect();
}

QString LabelText(const PieSlice& slice) {
    const double rounded = std::round(slice.value);
    const QString value = std::abs(slice.value - rounded) < 1e-9 ? QString::number(rounded, 'f', 0)
                                                                 : QString::number(slice.value);
    return slice.label + QLatin1Char(' ') + value;
}

QFont TitleFont(const QFont& font) {
    QFont title = font;
    title.setBold(true);
    title.setPointSizeF(font.pointSizeF() * 1.2);
    return title;
}

double Total(const PieChart& chart) {
    double total = 0;
    for (const PieSlice& s : chart.slices)
        if (s.value > 0) total += s.value;
    return total;
}

// The angles of each slice drawn, from its start clockwise by its sweep, in degrees.
struct Arc {
    int slice;
    double start;
    double sweep;
    double middle() const { return start - sweep / 2; }
};

std::vector<Arc> Arcs(const PieChart& chart) {
    std::vector<Arc> arcs;
    const double total = Total(chart);
    if (total <= 0) return arcs;
    double at = kFirstAngle;
    for (std::size_t i = 0; i < chart.slices.size(); ++i) {
        const double value = chart.slices[i].value;
        if (value <= 0) continue;
        const double sweep = 360 * value / total;
        arcs.push_back({static_cast<int>(i), at, sweep});
        at -= sweep;
    }
    return arcs;
}

bool InFront(double degrees) {
    return std::sin(degrees * kPi / 180) < 0;
}

struct Fit {
    Projection projection;
    QRectF bounds;
    QFont font;
    std::vector<Arc> arcs;
    std::vector<QString> texts;
    std::vector<double> widths;
    std::array<int, 2> perSide{};
    double line = 0;
    double gap = 0;
};

} // namespace

QColor PieSliceColour(int index) {
    static const QColor palette[] = {
        {220, 40, 40},   {40, 160, 60},   {250, 210, 40}, {40, 90, 200},   {240, 130, 30},
        {150, 70, 180},  {30, 180, 190},  {200, 60, 150}, {120, 180, 40},  {140, 90, 50},
        {100, 140, 230}, {230, 120, 130}, {60, 120, 90},  {180, 170, 80},  {120, 120, 120},
        {250, 170, 200}, {0, 110, 130},   {170, 30, 60},  {160, 200, 255}, {210, 190, 160},
    };
    constexpr int count = static_cast<int>(sizeof palette / sizeof palette[0]);
    return palette[((index % count) + count) % count];
}

namespace {

QColor SliceColour(const PieChart& chart, int index) {
    const QColor own = chart.slices[static_cast<std::size_t>(index)].colour;
    return own.isValid() ? own : PieSliceColour(index);
}

} // namespace

PieLayout LayOutPieChart(const PieChart& chart, const QRectF& target, const QFont& font,
                         QPaintDevice* device) {
    PieLayout layout;
    QRectF area = target;
    if (!chart.title.isEmpty()) {
        const double height = QFontMetricsF(TitleFont(font), device).height() * 1.5;
        layout.titleRect = QRectF(target.left(), target.top(), target.width(), height);
        area.setTop(target.top() + height);
    }
    const QRectF unit = UnitBounds();
    Fit fit;
    fit.font = font;
    fit.arcs = Arcs(chart);
    for (const Arc& arc : fit.arcs)
        fit.texts.push_back(LabelText(chart.slices[static_cast<std::size_t>(arc.slice)]));

    // Smaller labels when they would not stand one under the other or would leave the pie
    // too little room.
    for (int attempt = 0; attempt < 12; ++attempt) {
        const QFontMetricsF metrics(fit.font, device);
        fit.line = metrics.height();
        fit.gap = fit.line * 1.5;
        fit.widths.clear();
        double widest = 0;
        fit.perSide = {};
        for (std::size_t i = 0; i < fit.arcs.size(); ++i) {
            fit.widths.push_back(metrics.horizontalAdvance(fit.texts[i]));
            widest = std::max(widest, fit.widths.back());
            // The side a label takes depends on its angle alone, not on the size of the pie.
            ++fit.perSide[std::cos(fit.arcs[i].middle() * kPi / 180) >= 0 ? 1 : 0];
        }
        const double pieWidth = area.width() - 2 * (widest + fit.gap);
        const double pieHeight = area.height() - 2 * fit.line;
        fit.projection.scale =
            std::max(0.0, std::min(pieWidth / unit.width(), pieHeight / unit.height()));
        const bool fitsDown = std::max(fit.perSide[0], fit.perSide[1]) * fit.line <= area.height();
        const bool roomy =
            fit.projection.scale * unit.width() >= area.width() * 0.3 || fit.arcs.empty();
        if ((fitsDown && roomy) || fit.font.pointSizeF() <= kMinimumPoints) break;
        fit.font.setPointSizeF(std::max(kMinimumPoints, fit.font.pointSizeF() * 0.9));
    }
    const double s = fit.projection.scale;
    fit.projection.centre = QPointF(area.center().x() - (unit.center().x()) * s,
                                    area.center().y() - (unit.center().y()) * s);
    fit.bounds = QRectF(fit.projection.centre + unit.topLeft() * s, unit.size() * s);
    layout.pieBounds = fit.bounds;
    layout.font = fit.font;

    // Each side's labels in the order of their slices' height, then pushed apart.
    std::array<std::vector<std::size_t>, 2> sides;
    std::vector<PieLayout::Label> labels(fit.arcs.size());
    std::vector<QPointF> anchors(fit.arcs.size()), elbows(fit.arcs.size());
    std::vector<double> wanted(fit.arcs.size());
    for (std::size_t i = 0; i < fit.arcs.size(); ++i) {
        const double middle = fit.arcs[i].middle();
        const double z = InFront(middle) ? -kThickness / 2 : 0;
        anchors[i] = fit.projection.at(middle, 1, z);
        elbows[i] = fit.projection.at(middle, 1.12, z);
        wanted[i] = elbows[i].y() - fit.line / 2;
        sides[std::cos(middle * kPi / 180) >= 0 ? 1 : 0].push_back(i);
    }
    for (int side = 0; side < 2; ++side) {
        std::vector<std::size_t>& order = sides[static_cast<std::size_t>(side)];
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
        std::vector<double> y;
        for (std::size_t i : order)
            y.push_back(wanted[i]);
        const double top = area.top(), bottom = area.bottom() - fit.line;
        for (std::size_t k = 0; k < y.size(); ++k)
            y[k] = std::max(y[k], k ? y[k - 1] + fit.line : top);
        for (std::size_t k = y.size(); k-- > 0;)
            y[k] = std::min(y[k], k + 1 < y.size() ? y[k + 1] - fit.line : bottom);
        for (std::size_t k = 0; k < y.size(); ++k)
            y[k] = std::max(y[k], k ? y[k - 1] + fit.line : top);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const std::size_t i = order[k];
            const double width = fit.widths[i];
            const double x =
                side ? fit.bounds.right() + fit.gap : fit.bounds.left() - fit.gap - width;
            PieLayout::Label& label = labels[i];
            label.slice = fit.arcs[i].slice;
            label.text = fit.texts[i];
            label.rect = QRectF(x, y[k], width, fit.line);
            const QPointF end(side ? label.rect.left() - 2 : label.rect.right() + 2,
                              label.rect.center().y());
            label.leader = QPolygonF({anchors[i], elbows[i], end});
        }
    }
    layout.labels = std::move(labels);
    return layout;
}

void PaintPieChart(QPainter& painter, const PieChart& chart, const QRectF& target,
                   const QFont& font) {
    const PieLayout layout = LayOutPieChart(chart, target, font, painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!layout.titleRect.isEmpty()) {
        painter.setPen(Qt::black);
        painter.setFont(TitleFont(font));
        painter.drawText(layout.titleRect, Qt::AlignCenter, chart.title);
    }
    const std::vector<Arc> arcs = Arcs(chart);
    if (!arcs.empty()) {
        const QRectF unit = UnitBounds();
        Projection p;
        p.scale = layout.pieBounds.width() / unit.width();
        p.centre = layout.pieBounds.topLeft() - unit.topLeft() * p.scale;
        const double pen = std::max(0.5, p.scale / 150);
        auto arcPoints = [&](double from, double to, double z, QPolygonF& points) {
            const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(to - from))));
            for (int k = 0; k <= steps; ++k)
                points << p.at(from + (to - from) * k / steps, 1, z);
        };
        // The side wall first, on the front half only: its parts never cover one another.
        for (const Arc& arc : arcs) {
            const QColor colour = SliceColour(chart, arc.slice);
            const double lo = arc.start - arc.sweep, hi = arc.start;
            for (int k = -2; k <= 1; ++k) {
                const double from = std::max(lo, 180.0 + 360 * k),
                             to = std::min(hi, 360.0 + 360 * k);
                if (to - from <= 0) continue;
                QPolygonF wall;
                arcPoints(from, to, 0, wall);
                QPolygonF bottom;
                arcPoints(to, from, -kThickness, bottom);
                wall << bottom;
                painter.setPen(QPen(colour.darker(170), pen));
                painter.setBrush(colour.darker(135));
                painter.drawPolygon(wall);
            }
        }
        for (const Arc& arc : arcs) {
            const QColor colour = SliceColour(chart, arc.slice);
            QPolygonF top;
            top << p.at(0, 0);
            arcPoints(arc.start, arc.start - arc.sweep, 0, top);
            painter.setPen(QPen(colour.darker(160), pen));
            painter.setBrush(colour);
            painter.drawPolygon(top);
        }
    }
    painter.setFont(layout.font);
    for (const PieLayout::Label& label : layout.labels) {
        painter.setPen(QPen(QColor(80, 80, 80), std::max(0.5, layout.font.pointSizeF() / 12)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(label.leader);
        painter.setPen(Qt::black);
        painter.drawText(label.rect, Qt::AlignLeft | Qt::AlignVCenter, label.text);
    }
    painter.restore();
}

PieChartView::PieChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PieChartView::setChart(PieChart chart) {
    chart_ = std::move(chart);
    update();
}

QSize PieChartView::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 34, line * 24};
}

QSize PieChartView::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 22, line * 16};
}

void PieChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintPieChart(painter, chart_, QRectF(rect()).adjusted(4, 4, -4, -4), font());
}

} // namespace ui
