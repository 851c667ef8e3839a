// SPDX-License-Identifier: MIT
#include "dialogs/capability_line_boxes.h"

#include <QCheckBox>
#include <QGridLayout>

#include "dialogs/named_controls.h"

namespace probel {
namespace {

struct LineBox {
    const char* caption;
    const char* objectName;
    const char* toolTip;
    bool CapabilityLines::*line;
    bool readsLimits;
};

constexpr std::array<LineBox, CapabilityLineBoxes::kCount> kLineBoxes = {{
    {"Cpk", "CpkCk", "フォーム上にCpk値を表示します", &CapabilityLines::cpk, true},
    {"ppm(予測)", "PpmExpectedCk", "フォーム上に正規分布から予測した規格外の ppm を表示します",
     &CapabilityLines::ppmExpected, true},
    {"ppm(実測)", "PpmObservedCk", "フォーム上に規格外の値の ppm を表示します", &CapabilityLines::ppmObserved, true},
    {"正規性 (A²)", "NormalityCk", "フォーム上に正規性の検定 (A² と p 値) を表示します", &CapabilityLines::normality,
     false},
    {"Cp 下限 95%", "CpLowerBoundCk", "フォーム上にCp値の95%信頼下限を表示します", &CapabilityLines::cpLowerBound,
     true},
    {"Cpk 下限 95%", "CpkLowerBoundCk", "フォーム上にCpk値の95%信頼下限を表示します", &CapabilityLines::cpkLowerBound,
     true},
}};

constexpr int kColumns = 2;

}  // namespace

CapabilityLineBoxes::CapabilityLineBoxes(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CapabilityLines"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < kCount; ++i) {
        const LineBox& line = kLineBoxes.at(i);
        QCheckBox* box = namedCheckBox(QString::fromUtf8(line.caption), QString::fromLatin1(line.objectName), this);
        box->setToolTip(QString::fromUtf8(line.toolTip));
        boxes_.at(i) = box;
        const int index = static_cast<int>(i);
        grid->addWidget(box, index / kColumns, index % kColumns);
    }
}

void CapabilityLineBoxes::setLines(const CapabilityLines& lines)
{
    for (std::size_t i = 0; i < kCount; ++i) {
        boxes_.at(i)->setChecked(lines.*(kLineBoxes.at(i).line));
    }
}

CapabilityLines CapabilityLineBoxes::lines() const
{
    CapabilityLines lines;
    for (std::size_t i = 0; i < kCount; ++i) {
        lines.*(kLineBoxes.at(i).line) = boxes_.at(i)->isChecked();
    }
    return lines;
}

bool CapabilityLineBoxes::needLimits() const
{
    for (std::size_t i = 0; i < kCount; ++i) {
        if (kLineBoxes.at(i).readsLimits && boxes_.at(i)->isChecked()) {
            return true;
        }
    }
    return false;
}

}  // namespace probel
