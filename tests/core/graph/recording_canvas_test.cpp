// SPDX-License-Identifier: MIT
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace probel {
namespace {

TEST(RecordingCanvas, MeasuresTextByCodePointsAndFontPixels)
{
    RecordingCanvas canvas(100, 100, false, 72);
    canvas.setFontSize(10);
    EXPECT_DOUBLE_EQ(canvas.textWidth("ab"), 12);
    EXPECT_DOUBLE_EQ(canvas.textWidth("○△"), 12);  // two characters of three bytes each
    EXPECT_DOUBLE_EQ(canvas.textWidth(""), 0);
    EXPECT_DOUBLE_EQ(canvas.textHeight("anything"), 12);
    canvas.setDotsPerInch(96);
    canvas.setFontSize(9);
    EXPECT_DOUBLE_EQ(canvas.textWidth("xyz"), 3 * 0.6 * 12);
    EXPECT_DOUBLE_EQ(canvas.textHeight(""), 1.2 * 12);
}

TEST(RecordingCanvas, RecordsCallsInOrderWithPenColourAndFont)
{
    RecordingCanvas canvas;
    canvas.clear();
    canvas.setPenStyle(kPenDash);
    canvas.setColor(0x0000FF);
    const std::vector<Point> points{{1, 2}, {3, 4}};
    canvas.polyline(points);
    canvas.setFont(CanvasFont{"Serif", 12, true});
    canvas.drawText({5.5, 6.25}, "label");
    const std::vector<PointF> places{{1, 1}, {2, 2}};
    canvas.stampText(places, "△");
    canvas.requestRepaint();

    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 5U);
    EXPECT_EQ(calls[0].kind, RecordingCanvas::Call::Kind::Clear);
    EXPECT_EQ(calls[1].points, points);
    EXPECT_EQ(calls[1].penStyle, kPenDash);
    EXPECT_EQ(calls[1].color, 0x0000FF);
    EXPECT_EQ(calls[2].text, "label");
    EXPECT_EQ(calls[2].font, (CanvasFont{"Serif", 12, true}));
    EXPECT_EQ(calls[3].kind, RecordingCanvas::Call::Kind::Stamp);
    EXPECT_EQ(calls[3].topLefts, places);
    EXPECT_EQ(calls[4].kind, RecordingCanvas::Call::Kind::Repaint);
    EXPECT_EQ(canvas.clearCount(), 1);
    EXPECT_EQ(canvas.repaintCount(), 1);
    // texts() lists the stamp once per place.
    ASSERT_EQ(canvas.texts().size(), 3U);
    EXPECT_EQ(canvas.texts()[2].topLeft, (PointF{2, 2}));

    canvas.forget();
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_EQ(canvas.color(), 0x0000FF);
}

TEST(RecordingCanvas, ExpandedStampsAreRecordedAsSingleTexts)
{
    RecordingCanvas canvas;
    canvas.setExpandStamps(true);
    const std::vector<PointF> places{{1, 1}, {2, 2}, {3, 3}};
    canvas.stampText(places, "○");
    ASSERT_EQ(canvas.calls().size(), 3U);
    for (const auto& call : canvas.calls()) {
        EXPECT_EQ(call.kind, RecordingCanvas::Call::Kind::Text);
    }
    EXPECT_TRUE(canvas.stamps().empty());
}

}  // namespace
}  // namespace probel
