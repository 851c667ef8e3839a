// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_services.h"

namespace probel {

class ChartSheet;
class PicForm;

// Values for a new series and the comment it takes.
struct NamedValues {
    std::string name;
    std::vector<double> values;
};

// The data actions of a graph's context menu: "データの追加" (PopMenuDataNew), "データの編集"
// (PopMenuDataRe) and "データの削除" (PopMenuDataDel). The data dialog and the series chooser
// answer through their interfaces. A confirmed change of a graph's series and their detail
// labels is one undoable edit; キャンセル changes nothing. A graph's first series, while its
// axis is still the one new graphs get from the defaults, fits the axis to its values as 自動
// does, in the same edit. Each returns whether the sheet's content changed.
class DataActions {
public:
    explicit DataActions(const AppServices& services) : services_(services) {}

    // A new series under the smallest ID no series of the graph has, its detail label at the
    // top-left of the part of the paper in view, the dialog preset from the stored defaults.
    bool popMenuDataNew(PicForm& form, std::int32_t number);
    // The chosen series, confirmed, goes to the end of the graph's series with its ID and
    // detail label index kept.
    bool popMenuDataRe(PicForm& form, std::int32_t number);
    // The chosen series and its detail label, after the question "削除しますか?".
    bool popMenuDataDel(PicForm& form, std::int32_t number);
    // A series for each of `columns`, as データの追加 would make it from the stored defaults
    // with the column's values and name but without limits (so its label reads neither Probel
    // nor Cp), its detail label below the one before from the top-left of the paper in view;
    // all of them one undoable edit. False (and nothing changed) for no columns, more than the
    // graph has room for (seriesRoom) or a graph that is not there.
    bool addSeriesColumns(PicForm& form, std::int32_t number, std::vector<NamedValues> columns);

    // How many more series graph `number` can take: a graph holds at most kMaxSeriesPerGraph
    // (core/stats/data.h); 0 when there is no such graph.
    static std::size_t seriesRoom(const ChartSheet& sheet, std::int32_t number);

private:
    AppServices services_;
};

}  // namespace probel
