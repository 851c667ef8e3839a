// SPDX-License-Identifier: MIT
#include "support/recording_canvas.h"

#include <algorithm>

namespace probel {
namespace {

// Code points of a UTF-8 text: every byte that does not continue a sequence starts one.
std::size_t codePoints(std::string_view text)
{
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuationBits = 0x80;
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [&](char c) {
        return (static_cast<unsigned char>(c) & kContinuationMask) != kContinuationBits;
    }));
}

}  // namespace

RecordingCanvas::RecordingCanvas(std::int32_t width, std::int32_t height, bool printerPage, double dotsPerInch)
    : width_(width), height_(height), printerPage_(printerPage), dotsPerInch_(dotsPerInch)
{
}

void RecordingCanvas::setSize(std::int32_t width, std::int32_t height)
{
    width_ = width;
    height_ = height;
}

void RecordingCanvas::clear()
{
    Call call;
    call.kind = Call::Kind::Clear;
    calls_.push_back(std::move(call));
}

void RecordingCanvas::requestRepaint()
{
    Call call;
    call.kind = Call::Kind::Repaint;
    calls_.push_back(std::move(call));
}

void RecordingCanvas::polyline(std::span<const Point> points)
{
    Call call;
    call.kind = Call::Kind::Polyline;
    call.points.assign(points.begin(), points.end());
    call.penStyle = penStyle_;
    call.color = color_;
    calls_.push_back(std::move(call));
}

double RecordingCanvas::fontPixelSize() const
{
    return font_.size * dotsPerInch_ / kPointsPerInch;
}

double RecordingCanvas::textWidth(std::string_view text)
{
    return static_cast<double>(codePoints(text)) * kCharWidthPerPixelSize * fontPixelSize();
}

double RecordingCanvas::textHeight(std::string_view)
{
    return kLineHeightPerPixelSize * fontPixelSize();
}

void RecordingCanvas::drawText(PointF topLeft, std::string_view text)
{
    Call call;
    call.kind = Call::Kind::Text;
    call.topLefts.push_back(topLeft);
    call.text = std::string(text);
    call.font = font_;
    call.penStyle = penStyle_;
    call.color = color_;
    calls_.push_back(std::move(call));
}

void RecordingCanvas::stampVisibleText(std::span<const PointF> topLefts, std::string_view text)
{
    if (expandStamps_) {
        Canvas::stampVisibleText(topLefts, text);
        return;
    }
    Call call;
    call.kind = Call::Kind::Stamp;
    call.topLefts.assign(topLefts.begin(), topLefts.end());
    call.text = std::string(text);
    call.font = font_;
    call.penStyle = penStyle_;
    call.color = color_;
    calls_.push_back(std::move(call));
}

std::vector<RecordingCanvas::Call> RecordingCanvas::callsOf(Call::Kind kind) const
{
    std::vector<Call> selected;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(selected),
                 [kind](const Call& call) { return call.kind == kind; });
    return selected;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::polylines() const
{
    return callsOf(Call::Kind::Polyline);
}

std::vector<RecordingCanvas::Call> RecordingCanvas::stamps() const
{
    return callsOf(Call::Kind::Stamp);
}

std::vector<RecordingCanvas::DrawnText> RecordingCanvas::texts() const
{
    std::vector<DrawnText> drawn;
    for (const Call& call : calls_) {
        if (call.kind != Call::Kind::Text && call.kind != Call::Kind::Stamp) {
            continue;
        }
        for (const PointF& topLeft : call.topLefts) {
            drawn.push_back(DrawnText{topLeft, call.text, call.font, call.color});
        }
    }
    return drawn;
}

int RecordingCanvas::clearCount() const
{
    return static_cast<int>(callsOf(Call::Kind::Clear).size());
}

int RecordingCanvas::repaintCount() const
{
    return static_cast<int>(callsOf(Call::Kind::Repaint).size());
}

}  // namespace probel
