// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <cstddef>

#include "core/stats/capability_lines.h"

class QCheckBox;

namespace probel {

// The six check boxes of the data dialog that choose a series' capability lines, two to a row
// in the order the detail label shows them: "Cpk", "ppm(予測)", "ppm(実測)", "正規性 (A²)",
// "Cp 下限 95%", "Cpk 下限 95%".
class CapabilityLineBoxes : public QWidget {
public:
    static constexpr std::size_t kCount = 6;

    explicit CapabilityLineBoxes(QWidget* parent = nullptr);

    void setLines(const CapabilityLines& lines);
    CapabilityLines lines() const;
    // Whether a ticked line reads the limits (all but the normality test do).
    bool needLimits() const;

    // In the order above.
    QCheckBox* box(std::size_t element) const { return boxes_.at(element); }
    const std::array<QCheckBox*, kCount>& boxes() const { return boxes_; }

private:
    std::array<QCheckBox*, kCount> boxes_{};
};

}  // namespace probel
