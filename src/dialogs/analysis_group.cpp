// SPDX-License-Identifier: MIT
#include "dialogs/analysis_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <string>

#include "core/sheet/chart_label.h"
#include "dialogs/named_controls.h"
#include "dialogs/percent_list.h"

namespace probel {
namespace {

// Lines of the title the box shows without scrolling.
constexpr int kTitleLines = 2;

QComboBox* makeList(const char* objectName, const QString& accessibleName, QWidget* parent)
{
    return named(new QComboBox(parent), QString::fromLatin1(objectName), accessibleName);
}

// The entry holding `value`; none (-1) selected for a value the list does not hold, which
// read() then gives back unchanged.
template <class Value>
void select(QComboBox* list, Value value)
{
    list->setCurrentIndex(list->findData(static_cast<int>(value)));
}

template <class Value>
Value selected(const QComboBox* list, Value unlisted)
{
    return list->currentIndex() < 0 ? unlisted : static_cast<Value>(list->currentData().toInt());
}

// The box has a line per paragraph; the graph keeps its title with CR LF line breaks, as
// documents hold it.
QString shownTitle(const std::string& title)
{
    return QString::fromStdString(joinedCaptionLines(title, "\n"));
}

}  // namespace

AnalysisGroup::AnalysisGroup(QWidget* parent) : QGroupBox(QStringLiteral("解析"), parent)
{
    setObjectName(QStringLiteral("AnalysisGroup"));
    specLines_ = namedCheckBox(QStringLiteral("規格線"), QStringLiteral("SpecLines"), this);
    specLines_->setToolTip(QStringLiteral("各データの規格の下限・上限に縦線を引きます"));
    beyondAxisMarks_ = namedCheckBox(QStringLiteral("範囲外の点の数"), QStringLiteral("BeyondAxisMarks"), this);
    beyondAxisMarks_->setToolTip(QStringLiteral("X軸の範囲の外にある値の数をフレームの端に表示します"));

    band_ = makeList("Band", QStringLiteral("信頼帯"), this);
    band_->addItem(QStringLiteral("なし"), static_cast<int>(ConfidenceBand::None));
    band_->addItem(QStringLiteral("各点"), static_cast<int>(ConfidenceBand::Pointwise));
    band_->addItem(QStringLiteral("同時"), static_cast<int>(ConfidenceBand::Simultaneous));
    band_->setToolTip(QStringLiteral("各点: 確率ごとの信頼区間、同時: 直線全体の信頼帯"));
    bandLevel_ = makeList("BandLevel", QStringLiteral("信頼水準"), this);
    for (const int level : kBandLevels) {
        bandLevel_->addItem(QString::number(level) + QStringLiteral(" %"), level);
    }

    percentiles_ = namedTextBox(QStringLiteral("Percentiles"), QStringLiteral("パーセント線"), this);
    percentiles_->setToolTip(QStringLiteral("累積確率 (%) をカンマで区切って入力します (例: 1, 50, 99)"));

    legend_ = makeList("Legend", QStringLiteral("凡例"), this);
    legend_->addItem(QStringLiteral("なし"), static_cast<int>(LegendCorner::None));
    legend_->addItem(QStringLiteral("左上"), static_cast<int>(LegendCorner::TopLeft));
    legend_->addItem(QStringLiteral("右上"), static_cast<int>(LegendCorner::TopRight));
    legend_->addItem(QStringLiteral("左下"), static_cast<int>(LegendCorner::BottomLeft));
    legend_->addItem(QStringLiteral("右下"), static_cast<int>(LegendCorner::BottomRight));

    title_ = named(new QPlainTextEdit(this), QStringLiteral("GraphTitle"), QStringLiteral("グラフの見出し"));
    title_->setToolTip(QStringLiteral("フレームの上に書く見出し。改行で行を分けます"));
    // The graph draws the lines as typed, so the box does not wrap them either.
    title_->setLineWrapMode(QPlainTextEdit::NoWrap);
    title_->setTabChangesFocus(true);
    // The box scrolls unless it has room for a line more than it holds.
    const int lineHeight = title_->fontMetrics().lineSpacing();
    const int margins = 2 * (title_->frameWidth() + static_cast<int>(title_->document()->documentMargin()));
    title_->setFixedHeight(lineHeight * (kTitleLines + 1) + margins);

    positions_ = makeList("Positions", QStringLiteral("プロット位置"), this);
    positions_->addItem(QStringLiteral("i/(n+1)"), static_cast<int>(PlottingPositions::Weibull));
    positions_->addItem(QStringLiteral("(i-0.3)/(n+0.4)"), static_cast<int>(PlottingPositions::Benard));
    positions_->addItem(QStringLiteral("(i-3/8)/(n+1/4)"), static_cast<int>(PlottingPositions::Blom));
    positions_->addItem(QStringLiteral("(i-0.5)/n"), static_cast<int>(PlottingPositions::Hazen));
    positions_->setToolTip(
        QStringLiteral("小さい方から i 番目の値を描く累積確率。i/(n+1): 平均ランク、"
                       "(i-0.3)/(n+0.4): メジアンランク (Benard)、Blom、Hazen"));

    paper_ = makeList("Paper", QStringLiteral("確率紙"), this);
    paper_->addItem(QStringLiteral("正規"), static_cast<int>(PaperKind::Normal));
    paper_->addItem(QStringLiteral("ワイブル"), static_cast<int>(PaperKind::Weibull));
    paper_->setToolTip(QStringLiteral("ワイブル: 縦軸 ln(-ln(1-p))、横軸は対数。各データにワイブル分布を当てはめます"));
    weibullFit_ = makeList("WeibullFit", QStringLiteral("当てはめ"), this);
    weibullFit_->addItem(QStringLiteral("最尤法"), static_cast<int>(WeibullFitMethod::Likelihood));
    weibullFit_->addItem(QStringLiteral("回帰"), static_cast<int>(WeibullFitMethod::Regression));
    weibullFit_->setToolTip(QStringLiteral("最尤法: 信頼帯も描けます。回帰: プロット位置での ln x の最小二乗"));
    // The fit is only read on Weibull paper.
    connect(paper_, &QComboBox::currentIndexChanged, this, [this] {
        weibullFit_->setEnabled(showsWeibullPaper());
        emit paperChanged();
    });

    // A level is only read for a band that is drawn.
    connect(band_, &QComboBox::currentIndexChanged, this,
            [this] { bandLevel_->setEnabled(selected(band_, shown_.band) != ConfidenceBand::None); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(specLines_, 0, 0, 1, 2);
    grid->addWidget(beyondAxisMarks_, 0, 2, 1, 2);
    grid->addWidget(labelFor(band_, QStringLiteral("信頼帯 :"), this), 1, 0);
    grid->addWidget(band_, 1, 1);
    grid->addWidget(labelFor(bandLevel_, QStringLiteral("信頼水準 :"), this), 1, 2);
    grid->addWidget(bandLevel_, 1, 3);
    grid->addWidget(labelFor(percentiles_, QStringLiteral("パーセント線 :"), this), 2, 0);
    grid->addWidget(percentiles_, 2, 1, 1, 4);
    grid->addWidget(labelFor(legend_, QStringLiteral("凡例 :"), this), 3, 0);
    grid->addWidget(legend_, 3, 1);
    grid->addWidget(labelFor(positions_, QStringLiteral("プロット位置 :"), this), 3, 2);
    grid->addWidget(positions_, 3, 3);
    grid->addWidget(labelFor(paper_, QStringLiteral("確率紙 :"), this), 4, 0);
    grid->addWidget(paper_, 4, 1);
    grid->addWidget(labelFor(weibullFit_, QStringLiteral("当てはめ :"), this), 4, 2);
    grid->addWidget(weibullFit_, 4, 3);
    grid->addWidget(labelFor(title_, QStringLiteral("見出し :"), this), 5, 0, Qt::AlignTop);
    grid->addWidget(title_, 5, 1, 1, 4);
    // The lists keep their own width; the text boxes take the rest.
    grid->setColumnStretch(4, 1);

    preset(GraphAnalysis{});
}

void AnalysisGroup::preset(const GraphAnalysis& analysis)
{
    shown_ = analysis;
    specLines_->setChecked(analysis.specLines);
    beyondAxisMarks_->setChecked(analysis.beyondAxisMarks);
    select(band_, analysis.band);
    select(bandLevel_, analysis.bandLevel);
    bandLevel_->setEnabled(analysis.band != ConfidenceBand::None);
    select(legend_, analysis.legend);
    select(positions_, analysis.positions);
    select(paper_, analysis.paperKind);
    select(weibullFit_, analysis.weibullFit);
    weibullFit_->setEnabled(analysis.paperKind == PaperKind::Weibull);
    shownPercentiles_ = percentListText(analysis.percentiles);
    percentiles_->setText(shownPercentiles_);
    shownTitle_ = shownTitle(analysis.title);
    title_->setPlainText(shownTitle_);
}

std::vector<QWidget*> AnalysisGroup::controlsAsRead() const
{
    return {specLines_, beyondAxisMarks_, band_,  bandLevel_,  percentiles_,
            legend_,    positions_,       paper_, weibullFit_, title_};
}

bool AnalysisGroup::showsWeibullPaper() const
{
    return selected(paper_, shown_.paperKind) == PaperKind::Weibull;
}

AnalysisGroup::Reading AnalysisGroup::read() const
{
    GraphAnalysis analysis = shown_;
    analysis.specLines = specLines_->isChecked();
    analysis.beyondAxisMarks = beyondAxisMarks_->isChecked();
    analysis.band = selected(band_, shown_.band);
    analysis.bandLevel = selected(bandLevel_, shown_.bandLevel);
    analysis.legend = selected(legend_, shown_.legend);
    analysis.positions = selected(positions_, shown_.positions);
    analysis.paperKind = selected(paper_, shown_.paperKind);
    analysis.weibullFit = selected(weibullFit_, shown_.weibullFit);
    if (percentiles_->text() != shownPercentiles_) {
        PercentList typed = readPercentList(percentiles_->text());
        if (typed.refused) {
            return Reading{std::nullopt, *typed.refused};
        }
        analysis.percentiles = std::move(typed.percents);
    }
    if (const QString title = title_->toPlainText(); title != shownTitle_) {
        analysis.title = joinedCaptionLines(title.toStdString(), "\r\n");
    }
    return Reading{analysis, QString()};
}

}  // namespace probel
