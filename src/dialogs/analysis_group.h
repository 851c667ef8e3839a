// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

#include <optional>

#include "core/graph/graph_analysis.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace probel {

// The "解析" group of the graph settings dialog: what the graph draws over its series. preset()
// shows a graph's analysis; read() gives back what the controls set, where a percentile list
// or title left as shown keeps the graph's own value exactly (the box shows them rounded to 15
// digits and with LF line breaks), so an untouched dialog changes nothing.
class AnalysisGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit AnalysisGroup(QWidget* parent = nullptr);

    void preset(const GraphAnalysis& analysis);

    struct Reading {
        // Empty when the percentile box holds an entry that is no percentage.
        std::optional<GraphAnalysis> analysis;
        // That entry, as typed.
        QString refusedPercent;
    };
    Reading read() const;

    QCheckBox* specLines() const { return specLines_; }
    QComboBox* band() const { return band_; }
    QComboBox* bandLevel() const { return bandLevel_; }
    QLineEdit* percentiles() const { return percentiles_; }
    QComboBox* legend() const { return legend_; }
    QPlainTextEdit* title() const { return title_; }
    QCheckBox* beyondAxisMarks() const { return beyondAxisMarks_; }
    QComboBox* positions() const { return positions_; }
    QComboBox* paper() const { return paper_; }
    QComboBox* weibullFit() const { return weibullFit_; }
    // The controls as read: row by row of the grid, the title last.
    std::vector<QWidget*> controlsAsRead() const;
    // Whether the paper list shows Weibull paper, which needs a logarithmic axis.
    bool showsWeibullPaper() const;

signals:
    // The paper list shows another paper.
    void paperChanged();

private:
    GraphAnalysis shown_;
    QString shownPercentiles_;
    QString shownTitle_;

    QCheckBox* specLines_ = nullptr;
    QComboBox* band_ = nullptr;
    QComboBox* bandLevel_ = nullptr;
    QLineEdit* percentiles_ = nullptr;
    QComboBox* legend_ = nullptr;
    QPlainTextEdit* title_ = nullptr;
    QCheckBox* beyondAxisMarks_ = nullptr;
    QComboBox* positions_ = nullptr;
    QComboBox* paper_ = nullptr;
    QComboBox* weibullFit_ = nullptr;
};

}  // namespace probel
