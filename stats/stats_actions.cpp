#include "stats/stats_actions.h"

#include "stats/data_list.h"
#include "stats/summary_keys.h"

namespace velmor {

void registerStatsActions(ActionTable& table) {
    table.onClick(Ctl::StatStart, openStatistics);
    table.onClick(Ctl::StatAdd, enterValue);
    table.onClick(Ctl::StatNext, reviewValues);
    table.onClick(Ctl::StatCount, showCount);
    table.onClick(Ctl::StatClear, clearStatistics);
    table.onClick(Ctl::StatSum, showSum);
    table.onClick(Ctl::StatSumSquares, showSum);
    table.onClick(Ctl::StatSumCubes, showSum);
    table.onClick(Ctl::StatMean, showMean);
    table.onClick(Ctl::StatPopulationDeviation, showPopulationStdDev);
    table.onClick(Ctl::StatSampleDeviation, showSampleStdDev);
    table.onClickGroup(Group::IntegerSums, showNaturalSum);
}

}  // namespace velmor
