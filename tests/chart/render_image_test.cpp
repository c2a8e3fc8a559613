// The chart painted into an image: the image canvas skips what cannot show,
// and the picture must be the one drawn when every primitive is painted.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "chart/chart_fixture.h"
#include "qt/gui/qt_canvas.h"

namespace korvo::chart::test {
namespace {

struct Painted {
    QImage image;
    long long drawn = 0;
    long long skipped = 0;
};

Painted Paint(ChartFixture& f, float vertical, bool skip, qt::QtTextCache* cache) {
    Painted p{QImage(f.client.width, f.client.height, QImage::Format_RGB32)};
    p.image.fill(Qt::black);
    QPainter painter(&p.image);
    qt::QtCanvas canvas(painter, f.client, false, cache);
    canvas.SetSkipOutside(skip);
    RenderContext c(canvas, *f.series, *f.geometry, f.view, f.options, f.objects, f.colours,
                    f.params, f.prompts, f.clock, f.layers);
    c.client = f.client;
    c.verticalFactor = vertical;
    EXPECT_EQ(RenderChart(c).result, kRenderDrawn);
    p.drawn = canvas.DrawnCount();
    p.skipped = canvas.SkippedCount();
    return p;
}

TEST(ChartImage, SkippingWhatCannotShowChangesNoPixel) {
    struct Case {
        const char* name;
        int scrollX, scrollY;
        float vertical;
        int style;
    };
    const Case cases[] = {
        {"left end", 0, 0, 1.0f, kStyleCandlestick},
        {"middle, bars", 900, 0, 0.8f, kStyleBar},
        {"scrolled down", 400, 300, 1.3f, kStyleCandlestick},
        {"before the chart", -50, 0, 1.0f, kStyleCandlestick},
    };
    for (const Case& c : cases) {
        ChartFixture f;
        std::vector<Bar> bars;
        int y = 2024, m = 1, d = 1;
        for (int i = 0; i < 600; ++i) {
            const float base = 1500.0f + static_cast<float>((i * 37) % 200) - (i % 3) * 40.0f;
            bars.push_back(Bar{y, m, d, base, base + 30, base - 25, base + (i % 2 ? 12 : -12),
                               100 + (i * 53) % 900});
            if (++d > AxisMonthLength(y, m)) {
                d = 1;
                if (++m > 12) {
                    m = 1;
                    ++y;
                }
            }
        }
        f.SetBars(bars);
        f.options.barStyle = c.style;
        f.options.tradeVolume = f.options.volumeHistogram = f.options.volumeAlarm = true;
        f.options.openCloseLabels = f.options.highLowLabels = true;
        f.view.savedScrollX = c.scrollX;
        f.view.savedScrollY = c.scrollY;
        f.client = {900, 600};
        qt::QtTextCache cache;
        const Painted skipping = Paint(f, c.vertical, true, &cache);
        const Painted everything = Paint(f, c.vertical, false, &cache);
        EXPECT_GT(skipping.skipped, 1000) << c.name;
        EXPECT_LT(skipping.drawn, everything.drawn) << c.name;
        EXPECT_TRUE(skipping.image == everything.image) << c.name;
    }
}

}  // namespace
}  // namespace korvo::chart::test
