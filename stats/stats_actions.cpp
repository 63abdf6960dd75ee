#include "stats/stats_actions.h"

#include "stats/data_list.h"
#include "stats/summary_keys.h"

namespace velmor {

void registerStatsActions(ActionTable& table) {
    table.onClick(Ctl::cmdStat, openStatistics);
    table.onClick(Ctl::cmdData, enterValue);
    table.onClick(Ctl::cmdStdNext, reviewValues);
    table.onClick(Ctl::cmdstdN, showCount);
    table.onClick(Ctl::cmdClear, clearStatistics);
    table.onClick(Ctl::cmdSigmax, showSum);
    table.onClick(Ctl::cmdSigmaX2, showSum);
    table.onClick(Ctl::cmdSigmax3, showSum);
    table.onClick(Ctl::cmdXbar, showMean);
    table.onClick(Ctl::cmdSigmas, showPopulationStdDev);
    table.onClick(Ctl::cmdStdDev, showSampleStdDev);
    table.onClickArray(cmdsigx(0), 3, showNaturalSum);
}

}  // namespace velmor
