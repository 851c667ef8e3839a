// SPDX-License-Identifier: MIT
// What of a marker's text is drawn, checked on a recording canvas 640 pixels wide at 96 dpi,
// where a 9-point character is 7.2 pixels wide: 89 of them start on the page.
#include "core/graph/canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/graph/graph_refresh.h"
#include "support/graph_builder.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

constexpr std::int32_t kPageWidth = 640;
constexpr std::size_t kCharactersOnThePage = 89;

std::string repeated(std::string_view text, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST(VisibleMarkerText, KeepsTheCharactersWhoseAdvanceStartsOnThePage)
{
    struct Case {
        const char* what;
        std::string text;
        double points;
        std::int32_t pageWidth;
        std::string visible;
    };
    const std::string onThePage = repeated("○", kCharactersOnThePage);
    const std::vector<Case> cases{
        {"one character", "○", 9, kPageWidth, "○"},
        {"a few", "○△□×", 9, kPageWidth, "○△□×"},
        {"nothing", "", 9, kPageWidth, ""},
        {"the last one ending past the edge", onThePage, 9, kPageWidth, onThePage},
        {"one starting past the edge", onThePage + "○", 9, kPageWidth, onThePage},
        {"long", repeated("○", 20000), 9, kPageWidth, onThePage},
        {"ten times longer", repeated("○", 200000), 9, kPageWidth, onThePage},
        {"cut between whole characters", repeated("a○", 1000), 9, kPageWidth, repeated("a○", 44) + "a"},
        {"one character wider than the page", "■■■", 2000, kPageWidth, "■"},
        {"a page no wide", "○○", 9, 0, "○"},
        // Too narrow to measure past the page: no more characters than the page has pixels.
        {"narrower than pixels", repeated("x", 20000), 0.001, kPageWidth, repeated("x", kPageWidth)},
    };
    for (const Case& test : cases) {
        RecordingCanvas canvas(test.pageWidth, 480);
        canvas.setFontSize(test.points);
        EXPECT_EQ(canvas.visibleMarkerText(test.text), test.visible) << test.what;
    }
}

// Counts the bytes of text measured, the work of laying text out.
class MeasureCountingCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    double textWidth(std::string_view text) override
    {
        measuredBytes += text.size();
        return RecordingCanvas::textWidth(text);
    }
    std::size_t measuredBytes = 0;
};

struct DrawnGraph {
    std::vector<RecordingCanvas::Call> stamps;
    std::size_t measuredBytes = 0;
};

// A graph of 100 values whose markers are `marker` in 9 points.
DrawnGraph drawWithMarker(const std::string& marker)
{
    MeasureCountingCanvas canvas(kPageWidth, 600);
    std::vector<double> values;
    for (int i = 0; i < 100; ++i) {
        values.push_back(i);
    }
    auto graph = test::GraphBuilder()
                     .frame(50, 100, 500, 400)
                     .axis(0, 100)
                     .series(values,
                             [&](NormoData& series) {
                                 series.setMrk(marker);
                                 series.setMrkSize(9);
                             })
                     .build(&canvas);
    refreshGraph(*graph);
    return DrawnGraph{canvas.stamps(), canvas.measuredBytes};
}

TEST(DrawingCost, ALongMarkerIsDrawnAsTheCharactersOnThePageCentredOnEachValue)
{
    const DrawnGraph visible = drawWithMarker(repeated("○", kCharactersOnThePage));
    ASSERT_EQ(visible.stamps.size(), 1U);
    ASSERT_EQ(visible.stamps[0].topLefts.size(), 100U);
    for (const std::size_t length : {2000, 200000}) {
        const DrawnGraph drawn = drawWithMarker(repeated("○", length));
        ASSERT_EQ(drawn.stamps.size(), 1U) << length;
        EXPECT_EQ(drawn.stamps[0].text, visible.stamps[0].text) << length;
        EXPECT_EQ(drawn.stamps[0].topLefts, visible.stamps[0].topLefts) << length;
    }
}

TEST(DrawingCost, MeasuringAMarkerReadsNoMoreOfItThanAFewPagesWorth)
{
    const DrawnGraph shorter = drawWithMarker(repeated("○", 2000));
    const DrawnGraph longer = drawWithMarker(repeated("○", 200000));
    EXPECT_EQ(longer.measuredBytes, shorter.measuredBytes);
    // Each of a dozen halvings measures at most a page's worth of characters.
    EXPECT_LE(longer.measuredBytes, std::size_t{16} * kPageWidth * std::string("○").size());
}

}  // namespace
}  // namespace probel
