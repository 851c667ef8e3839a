// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/graph/canvas.h"
#include "core/graph/graph_analysis.h"
#include "core/graph/graph_frame.h"
#include "core/graph/quantile_table.h"
#include "core/stats/data.h"

namespace probel {

// One normal probability paper graph: a frame on a drawing surface, a value axis (linear, or
// logarithmic in whole decades), the probability axis, fonts and colours, and its series.
//
// The value axis ends are kept as stored numbers. On a linear axis min()/max() read and write
// them unchanged. On a logarithmic axis (logV() true) assigning stores the base-10 logarithm
// rounded to a whole number (halves away from zero), and reading returns 10 to the stored
// power; storedMin()/storedMax() give and take the raw stored numbers (the exponents), as
// documents keep them. Set logV() before min() and max(): switching it later reinterprets
// the stored numbers without converting them.
//
// The graph does not own its surface: setShowObj() binds the screen picture it is shown on
// (or nullptr to unbind), and the caller keeps it alive while it is bound; refreshGraph()
// (graph_refresh.h) shows the graph there. Printing and exports draw the graph with
// drawGraph() (graph_renderer.h) and leave the binding alone.
class NormoBp {
public:
    static constexpr std::int32_t kMinFrameExtent = 2;

    NormoBp();
    ~NormoBp();
    NormoBp& operator=(const NormoBp&) = delete;

    // A copy bound to no surface whose series share their values with this graph's: a picture
    // of the graph as it stands now, whatever is edited after.
    std::unique_ptr<NormoBp> unboundCopy() const;

    // Frame in pixels of the bound surface; a width or height below 2 is stored as 2.
    std::int32_t frameLeft() const { return frameLeft_; }
    void setFrameLeft(std::int32_t value) { frameLeft_ = value; }
    std::int32_t frameTop() const { return frameTop_; }
    void setFrameTop(std::int32_t value) { frameTop_ = value; }
    std::int32_t frameWidth() const { return frameWidth_; }
    void setFrameWidth(std::int32_t value);
    std::int32_t frameHeight() const { return frameHeight_; }
    void setFrameHeight(std::int32_t value);
    GraphFrame frame() const { return {frameLeft_, frameTop_, frameWidth_, frameHeight_}; }

    // Colours 0x00BBGGRR; pen styles as in PenStyle (canvas.h).
    std::int32_t frameColor() const { return frameColor_; }
    void setFrameColor(std::int32_t color) { frameColor_ = color; }
    std::int32_t frameDrawStyle() const { return frameDrawStyle_; }
    void setFrameDrawStyle(std::int32_t style) { frameDrawStyle_ = style; }
    std::int32_t lineColor() const { return lineColor_; }
    void setLineColor(std::int32_t color) { lineColor_ = color; }
    std::int32_t lineDrawStyle() const { return lineDrawStyle_; }
    void setLineDrawStyle(std::int32_t style) { lineDrawStyle_ = style; }

    // Value axis ends in ordinary units (see the class comment for the logarithmic axis).
    // On a logarithmic axis a value with no logarithm (zero, negative, NaN or infinite)
    // leaves the stored end unchanged.
    double min() const;
    void setMin(double value);
    double max() const;
    void setMax(double value);
    // The stored ends as they are: exponents on a logarithmic axis.
    double storedMin() const { return storedMin_; }
    void setStoredMin(double value) { storedMin_ = value; }
    double storedMax() const { return storedMax_; }
    void setStoredMax(double value) { storedMax_ = value; }
    bool logV() const { return logV_; }
    void setLogV(bool logarithmic) { logV_ = logarithmic; }

    // Equal divisions of a linear axis.
    std::int32_t bunnkatu() const { return bunnkatu_; }
    void setBunnkatu(std::int32_t divisions) { bunnkatu_ = divisions; }
    // A linear-axis value label at every xJikuStep()-th division from the left edge. Stored as
    // given; drawing treats a step below 1 as 1.
    std::int32_t xJikuStep() const { return xJikuStep_; }
    void setXJikuStep(std::int32_t step) { xJikuStep_ = step; }
    // Value-axis labels and unit text on/off; probability labels on/off.
    bool xJikuCheck() const { return xJikuCheck_; }
    void setXJikuCheck(bool shown) { xJikuCheck_ = shown; }
    bool memoriCheck() const { return memoriCheck_; }
    void setMemoriCheck(bool shown) { memoriCheck_ = shown; }
    // Unit text of the value axis (drawn without surrounding blanks).
    const std::string& tanni() const { return tanni_; }
    void setTanni(std::string unit) { tanni_ = std::move(unit); }

    // What the graph draws beyond the earlier program's graph (all off unless set).
    const GraphAnalysis& analysis() const { return analysis_; }
    void setAnalysis(GraphAnalysis analysis) { analysis_ = std::move(analysis); }

    // Font of all labels (size in points) and their colour.
    const std::string& fontName() const { return font_.name; }
    void setFontName(std::string name) { font_.name = std::move(name); }
    std::int32_t fontSize() const { return fontSize_; }
    void setFontSize(std::int32_t points) { fontSize_ = points; }
    bool fontBold() const { return font_.bold; }
    void setFontBold(bool on) { font_.bold = on; }
    bool fontItalic() const { return font_.italic; }
    void setFontItalic(bool on) { font_.italic = on; }
    bool fontStrikethru() const { return font_.strikethru; }
    void setFontStrikethru(bool on) { font_.strikethru = on; }
    bool fontUnderline() const { return font_.underline; }
    void setFontUnderline(bool on) { font_.underline = on; }
    // The label font as the canvas takes it.
    CanvasFont labelFont() const;
    std::int32_t foreColor() const { return foreColor_; }
    void setForeColor(std::int32_t color) { foreColor_ = color; }

    // The series, in drawing order. Reading creates an empty collection when there is none;
    // setData() replaces it (the old series are released).
    Data& data();
    void setData(std::unique_ptr<Data> data);
    // The collection if one exists, without creating it.
    const Data* dataIfAny() const { return data_.get(); }

    // Binds the surface the graph draws on. A screen surface gives windowWidth()/windowHeight()
    // and resets the frame to 10 % margins (halves to even); a printer page gives the size and
    // leaves the frame as it is; nullptr only clears the binding (the size stays as last measured).
    void setShowObj(Canvas* surface);
    Canvas* showObj() const { return showObj_; }
    // Size of the bound surface, measured afresh while one is bound; otherwise the last size.
    std::int32_t windowWidth() const;
    std::int32_t windowHeight() const;

    // The quantile table the graph's probability scale uses (shared by all graphs, immutable).
    const QuantileTable& quantileTable() const { return *quantiles_; }

    // Height in surface pixels of the cumulative probability `percent` (0 ... 100), looked up
    // in steps of 0.01 % (halves upward). Empty when the probability lies outside 0 ... 100
    // (or is NaN): the look-up has no entry for it.
    std::optional<float> getPictY(double percent) const;

    // A shown series with its fitted line whose limits Max and Min are equal gets Max raised by
    // a thousandth of the graph's stored Max, so its percentage and Cp have a range to work
    // on. Showing the graph (refreshGraph) does this first; saved documents carry the raised
    // limit.
    void spreadEqualSeriesLimits();

private:
    NormoBp(const NormoBp& other);

    GraphAnalysis analysis_;
    std::int32_t frameLeft_ = 0;
    std::int32_t frameTop_ = 0;
    std::int32_t frameWidth_ = 0;
    std::int32_t frameHeight_ = 0;
    std::int32_t frameColor_ = 0;
    std::int32_t frameDrawStyle_ = kPenSolid;
    std::int32_t lineColor_ = 0;
    std::int32_t lineDrawStyle_ = kPenDot;
    double storedMin_ = 0;
    double storedMax_ = 100;
    bool logV_ = false;
    std::int32_t bunnkatu_ = 10;
    std::int32_t xJikuStep_ = 1;
    bool xJikuCheck_ = false;
    bool memoriCheck_ = false;
    std::string tanni_;
    CanvasFont font_;
    std::int32_t fontSize_ = 9;
    std::int32_t foreColor_ = 0;
    std::unique_ptr<Data> data_;
    Canvas* showObj_ = nullptr;
    // Re-measured by the readers while a surface is bound, kept for when it is unbound.
    mutable std::int32_t windowWidth_ = 0;
    mutable std::int32_t windowHeight_ = 0;
    const QuantileTable* quantiles_;
};

}  // namespace probel
