#include "svg_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "text.h"

namespace app {

namespace {

constexpr double kWidth = 800;   // [px]
constexpr double kHeight = 400;  // [px]
constexpr double kLeft = 80;     // margin for the y labels [px]
constexpr double kRight = 20;    // [px]
constexpr double kTop = 40;      // margin for the title [px]
constexpr double kBottom = 60;   // margin for the x labels [px]
constexpr int kWantedTicks = 6;

struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void include(double v) {
        if (!std::isfinite(v)) return;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    bool empty() const { return low > high; }
};

// A round step (1, 2 or 5 times a power of ten) giving about kWantedTicks ticks.
double tickStep(double span) {
    const double raw = span / kWantedTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) return factor * power;
    }
    return 10.0 * power;
}

// Widened to round ticks; a flat or empty range gets some height.
Range niceRange(Range r) {
    if (r.empty()) r = {0.0, 1.0};
    if (r.high - r.low < 1e-9 * std::max(1.0, std::abs(r.high))) {
        r.low -= 1.0;
        r.high += 1.0;
    }
    const double step = tickStep(r.high - r.low);
    return {std::floor(r.low / step) * step, std::ceil(r.high / step) * step};
}

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::abs(v) < 1e-12 ? 0.0 : v);
    return text;
}

std::string px(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

class Canvas {
  public:
    Canvas(Range x, Range y) : x_(x), y_(y) {}
    double sx(double x) const {
        return kLeft + (x - x_.low) / (x_.high - x_.low) * (kWidth - kLeft - kRight);
    }
    double sy(double y) const {
        return kHeight - kBottom - (y - y_.low) / (y_.high - y_.low) * (kHeight - kTop - kBottom);
    }

  private:
    Range x_, y_;
};

void axes(std::string& out, const Plot& plot, const Range& x, const Range& y, const Canvas& c) {
    const double bottom = kHeight - kBottom;
    const double right = kWidth - kRight;
    out += "<g font-family=\"sans-serif\" font-size=\"12\" fill=\"#333\">\n";
    const double xs = tickStep(x.high - x.low);
    for (double t = x.low; t <= x.high + xs * 1e-6; t += xs) {
        out += "<line x1=\"" + px(c.sx(t)) + "\" y1=\"" + px(kTop) + "\" x2=\"" + px(c.sx(t)) +
               "\" y2=\"" + px(bottom) + "\" stroke=\"#e4e4e4\"/>\n";
        out += "<text x=\"" + px(c.sx(t)) + "\" y=\"" + px(bottom + 16) +
               "\" text-anchor=\"middle\">" + number(t) + "</text>\n";
    }
    const double ys = tickStep(y.high - y.low);
    for (double t = y.low; t <= y.high + ys * 1e-6; t += ys) {
        out += "<line x1=\"" + px(kLeft) + "\" y1=\"" + px(c.sy(t)) + "\" x2=\"" + px(right) +
               "\" y2=\"" + px(c.sy(t)) + "\" stroke=\"#e4e4e4\"/>\n";
        out += "<text x=\"" + px(kLeft - 6) + "\" y=\"" + px(c.sy(t) + 4) +
               "\" text-anchor=\"end\">" + number(t) + "</text>\n";
    }
    out += "<rect x=\"" + px(kLeft) + "\" y=\"" + px(kTop) + "\" width=\"" + px(right - kLeft) +
           "\" height=\"" + px(bottom - kTop) + "\" fill=\"none\" stroke=\"#333\"/>\n";
    out += "<text x=\"" + px((kLeft + right) / 2) + "\" y=\"" + px(kHeight - 20) +
           "\" text-anchor=\"middle\">" + sim::text::xmlEscaped(plot.xLabel) + "</text>\n";
    out += "<text transform=\"translate(18 " + px((kTop + bottom) / 2) +
           ") rotate(-90)\" text-anchor=\"middle\">" + sim::text::xmlEscaped(plot.yLabel) +
           "</text>\n";
    out += "<text x=\"" + px(kLeft) + "\" y=\"24\" font-size=\"16\">" +
           sim::text::xmlEscaped(plot.title) + "</text>\n";
    out += "</g>\n";
}

void markers(std::string& out, const Plot& plot, const Range& x, const Canvas& c) {
    out += "<g font-family=\"sans-serif\" font-size=\"10\" fill=\"#777\">\n";
    for (const PlotMarker& m : plot.markers) {
        if (m.x < x.low || m.x > x.high) continue;
        const std::string at = px(c.sx(m.x));
        out += "<line x1=\"" + at + "\" y1=\"" + px(kTop) + "\" x2=\"" + at + "\" y2=\"" +
               px(kHeight - kBottom) + "\" stroke=\"#999\" stroke-dasharray=\"4 3\"/>\n";
        out += "<text transform=\"translate(" + px(c.sx(m.x) + 3) + " " + px(kTop + 4) +
               ") rotate(90)\">" + sim::text::xmlEscaped(m.label) + "</text>\n";
    }
    out += "</g>\n";
}

void lines(std::string& out, const Plot& plot, const Canvas& c) {
    out += "<g clip-path=\"url(#plot-area)\" fill=\"none\" stroke-width=\"1.5\">\n";
    for (const PlotSeries& s : plot.series) {
        std::string points;
        auto flush = [&] {
            if (!points.empty()) {
                out += "<polyline stroke=\"" + s.colour + "\" points=\"" + points + "\"/>\n";
            }
            points.clear();
        };
        for (const auto& [x, y] : s.points) {
            if (!std::isfinite(x) || !std::isfinite(y)) {
                flush();
                continue;
            }
            points += (points.empty() ? "" : " ") + px(c.sx(x)) + "," + px(c.sy(y));
        }
        flush();
    }
    out += "</g>\n";
}

// In the top margin, right-aligned, one entry after the other: the plot area stays free for
// the lines and the event labels.
void legend(std::string& out, const Plot& plot) {
    if (plot.series.size() < 2) return;
    constexpr double kEntryWidth = 110;  // [px]
    double x = kWidth - kRight - kEntryWidth * static_cast<double>(plot.series.size());
    const double y = 24;
    out += "<g font-family=\"sans-serif\" font-size=\"12\" fill=\"#333\">\n";
    for (const PlotSeries& s : plot.series) {
        out += "<line x1=\"" + px(x) + "\" y1=\"" + px(y - 4) + "\" x2=\"" + px(x + 20) +
               "\" y2=\"" + px(y - 4) + "\" stroke=\"" + s.colour + "\" stroke-width=\"2\"/>\n";
        out += "<text x=\"" + px(x + 26) + "\" y=\"" + px(y) + "\">" +
               sim::text::xmlEscaped(s.name) + "</text>\n";
        x += kEntryWidth;
    }
    out += "</g>\n";
}

}  // namespace

std::string plotSvg(const Plot& plot) {
    Range x, y;
    for (const PlotSeries& s : plot.series) {
        for (const auto& [sx, sy] : s.points) {
            x.include(sx);
            if (std::isfinite(sx)) y.include(sy);
        }
    }
    if (plot.yMin) y.low = *plot.yMin;
    if (plot.yMax) y.high = *plot.yMax;
    x = niceRange(x);
    y = niceRange(y);
    const Canvas canvas(x, y);

    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + px(kWidth) +
                      "\" height=\"" + px(kHeight) + "\" viewBox=\"0 0 " + px(kWidth) + " " +
                      px(kHeight) + "\">\n";
    out += "<defs><clipPath id=\"plot-area\"><rect x=\"" + px(kLeft) + "\" y=\"" + px(kTop) +
           "\" width=\"" + px(kWidth - kLeft - kRight) + "\" height=\"" +
           px(kHeight - kTop - kBottom) + "\"/></clipPath></defs>\n";
    out += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    axes(out, plot, x, y, canvas);
    markers(out, plot, x, canvas);
    lines(out, plot, canvas);
    legend(out, plot);
    out += "</svg>\n";
    return out;
}

}  // namespace app
