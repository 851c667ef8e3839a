// SPDX-License-Identifier: MIT
#include "platform/canvas/svg_canvas.h"

#include <array>
#include <charconv>
#include <cmath>

#include "platform/canvas/font_substitutes.h"
#include "platform/canvas/xml_text.h"

namespace probel {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kMillimetresPerInch = 25.4;
// Pieces of this size go to the sink: few writes, little memory.
constexpr std::size_t kPieceBytes = std::size_t{64} * 1024;
// Far beyond any page: positions past it (a value far off the axis) are not written.
constexpr double kFarthestCoordinate = 1 << 24;
// Hundredths of a pixel place text and markers more finely than any viewer shows.
constexpr int kDecimals = 2;

bool drawable(PointF point)
{
    return std::isfinite(point.x) && std::isfinite(point.y) && std::abs(point.x) < kFarthestCoordinate &&
           std::abs(point.y) < kFarthestCoordinate;
}

// A number with at most two (or `decimals`) decimals and no trailing zeros (12, 27.88, -3.5),
// appended.
void appendNumber(std::string& out, double value, int decimals = kDecimals)
{
    std::array<char, 64> digits{};
    const auto result =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals);
    std::string_view text(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
    if (text.find('.') != std::string_view::npos) {
        while (text.ends_with('0')) {
            text.remove_suffix(1);
        }
        if (text.ends_with('.')) {
            text.remove_suffix(1);
        }
    }
    out += text == "-0" ? "0" : text;
}

std::string number(double value, int decimals = kDecimals)
{
    std::string text;
    appendNumber(text, value, decimals);
    return text;
}

std::string colorText(std::int32_t bgr)
{
    constexpr std::string_view kHex = "0123456789abcdef";
    const auto channel = [&](int shift) {
        const auto value = static_cast<unsigned>(bgr) >> static_cast<unsigned>(shift) & 0xFFU;
        return std::string{kHex[value >> 4U], kHex[value & 0xFU]};
    };
    return "#" + channel(0) + channel(8) + channel(16);
}

// A family name as CSS lists it: bare when it is words and blanks, quoted otherwise.
std::string cssFamily(const std::string& utf8)
{
    const bool bare = !utf8.empty() && utf8.find_first_of(",;'\"\\(){}") == std::string::npos &&
                      !(utf8.front() >= '0' && utf8.front() <= '9');
    if (bare) {
        return utf8;
    }
    std::string quoted = "'";
    for (const char c : utf8) {
        if (c == '\'' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "'";
}

// Qt's dash patterns for the pen styles of one-pixel lines; empty for solid lines.
std::string_view dashArray(std::int32_t style)
{
    switch (style) {
    case kPenDash:
        return "4,2";
    case kPenDot:
        return "1,2";
    case kPenDashDot:
        return "4,2,1,2";
    case kPenDashDotDot:
        return "4,2,1,2,1,2";
    default:
        return {};
    }
}

}  // namespace

SvgCanvas::SvgCanvas(const SvgPage& page, ByteSink sink, TextMetrics& metrics)
    : page_(page), sink_(std::move(sink)), metrics_(metrics)
{
    metrics_.setFont(font_, page_.dotsPerInch);

    // Thousandths of a millimetre, rounded down so the page never reads as a pixel larger.
    const auto millimetres = [&](int pixels) {
        return number(std::floor(pixels * kMillimetresPerInch / page_.dotsPerInch * 1000) / 1000, 3);
    };
    const SvgPage::View shown = page_.view.value_or(SvgPage::View{0, 0, page_.width, page_.height});
    const std::string viewBox = std::to_string(shown.left) + " " + std::to_string(shown.top) + " " +
                                std::to_string(shown.width) + " " + std::to_string(shown.height);
    append("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"" + millimetres(shown.width) +
           "mm\" height=\"" + millimetres(shown.height) + "mm\" viewBox=\"" + viewBox +
           "\" xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "version=\"1.2\" baseProfile=\"tiny\">\n<title>" +
           xmlText(page_.title) + "</title>\n<desc>" + xmlText(page_.description) + "</desc>\n");
}

SvgCanvas::~SvgCanvas()
{
    finish();
}

void SvgCanvas::finish()
{
    if (finished_) {
        return;
    }
    leaveGroup();
    append("</svg>\n");
    finished_ = true;
    sink_(buffer_);
    buffer_.clear();
}

void SvgCanvas::append(std::string_view text)
{
    if (!finished_) {
        buffer_ += text;
    }
}

void SvgCanvas::flushIfFull()
{
    if (buffer_.size() >= kPieceBytes) {
        sink_(buffer_);
        buffer_.clear();
    }
}

void SvgCanvas::enterGroup(const std::string& openingTag)
{
    if (group_ == openingTag) {
        return;
    }
    leaveGroup();
    append(openingTag);
    group_ = openingTag;
}

void SvgCanvas::leaveGroup()
{
    if (group_) {
        append("</g>\n");
        group_.reset();
    }
}

void SvgCanvas::clear()
{
    leaveGroup();
    append("<rect x=\"0\" y=\"0\" width=\"" + std::to_string(page_.width) + "\" height=\"" +
           std::to_string(page_.height) + "\" fill=\"#ffffff\"/>\n");
}

void SvgCanvas::polyline(std::span<const Point> points)
{
    if (points.size() < 2 || penStyle_ == kPenInvisible) {
        return;
    }
    std::string tag = "<g fill=\"none\" stroke=\"" + colorText(color_) +
                      "\" stroke-width=\"1\" stroke-linecap=\"square\" stroke-linejoin=\"bevel\"";
    if (const std::string_view dashes = dashArray(penStyle_); !dashes.empty()) {
        tag += " stroke-dasharray=\"" + std::string(dashes) + "\"";
    }
    enterGroup(tag + ">\n");
    std::string line = "<polyline vector-effect=\"non-scaling-stroke\" points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        line += (i == 0 ? "" : " ") + std::to_string(points[i].x) + "," + std::to_string(points[i].y);
    }
    append(line + "\"/>\n");
    flushIfFull();
}

void SvgCanvas::setFont(const CanvasFont& font)
{
    font_ = font;
    metrics_.setFont(font_, page_.dotsPerInch);
}

double SvgCanvas::textWidth(std::string_view text)
{
    return metrics_.width(text);
}

double SvgCanvas::textHeight(std::string_view /*text*/)
{
    return metrics_.lineSpacing();
}

std::string SvgCanvas::fontAttributes() const
{
    std::string list;
    for (const std::string& family : fontFamilyList(font_.name)) {
        list += (list.empty() ? "" : ", ") + cssFamily(family);
    }
    const double points = drawnPoints(font_.size);
    std::string attributes = " font-family=\"" + xmlText(list) + "\" font-size=\"" +
                             number(points * page_.dotsPerInch / kPointsPerInch) + "\"";
    if (font_.bold) {
        attributes += " font-weight=\"bold\"";
    }
    if (font_.italic) {
        attributes += " font-style=\"italic\"";
    }
    if (font_.underline || font_.strikethru) {
        attributes += std::string(" text-decoration=\"") + (font_.underline ? "underline" : "") +
                      (font_.underline && font_.strikethru ? " " : "") + (font_.strikethru ? "line-through" : "") +
                      "\"";
    }
    return attributes;
}

void SvgCanvas::drawText(PointF topLeft, std::string_view text)
{
    if (text.empty() || !drawable(topLeft)) {
        return;
    }
    enterGroup("<g fill=\"" + colorText(color_) + "\"" + fontAttributes() + " xml:space=\"preserve\">\n");
    append("<text x=\"" + number(topLeft.x) + "\" y=\"" + number(topLeft.y + metrics_.ascent()) + "\">" +
           xmlText(text) + "</text>\n");
    flushIfFull();
}

// The marker's text is defined once for its font, standing on its baseline below (0, 0), and
// takes its colour from the group around its uses.
std::string SvgCanvas::markerId(std::string_view text)
{
    const std::string attributes = fontAttributes();
    auto key = std::make_pair(std::string(text), attributes);
    if (const auto found = markers_.find(key); found != markers_.end()) {
        return found->second;
    }
    const std::string id = "m" + std::to_string(markers_.size());
    leaveGroup();
    append("<defs><text id=\"" + id + "\" y=\"" + number(metrics_.ascent()) + "\"" + attributes +
           " xml:space=\"preserve\">" + xmlText(text) + "</text></defs>\n");
    markers_.emplace(std::move(key), id);
    return id;
}

void SvgCanvas::stampVisibleText(std::span<const PointF> topLefts, std::string_view text)
{
    if (text.empty() || topLefts.empty()) {
        return;
    }
    const std::string use = "<use xlink:href=\"#" + markerId(text) + "\" x=\"";
    enterGroup("<g fill=\"" + colorText(color_) + "\">\n");
    for (const auto& topLeft : topLefts) {
        if (finished_ || !drawable(topLeft)) {
            continue;
        }
        buffer_ += use;
        appendNumber(buffer_, topLeft.x);
        buffer_ += "\" y=\"";
        appendNumber(buffer_, topLeft.y);
        buffer_ += "\"/>\n";
        flushIfFull();
    }
}

}  // namespace probel
