// Shows one help page the way the calculator does and reports what it cost:
// processor and wall-clock time and the peak resident memory of the process.
// Usage: velmor-help-pages FILE popup N | FILE contents N
// Run it on the files of bench/hostile_help.py (docs/ROBUSTNESS.md).
#include <QApplication>
#include <QWhatsThis>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

#include "app/ui/help_viewer.h"
#include "help/help_html.h"

namespace {

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FILE popup|contents N\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const bool popup = std::strcmp(argv[2], "popup") == 0;
    const int topic = std::atoi(argv[3]);
    const long rssBefore = peakResidentKilobytes();
    const double cpuBefore = processorSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    velmor::HelpViewer viewer;
    if (popup) QWhatsThis::showText(QPoint(100, 100), QString::fromStdString(velmor::popupHtml(path, topic)));
    else viewer.showTopic(path, velmor::TopicKind::Contents, topic);
    QCoreApplication::processEvents();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    std::printf("%s %s %d: %.2f s processor, %.2f s wall, peak %ld MB (%ld MB before)\n", path.c_str(), argv[2],
                topic, processorSeconds() - cpuBefore, wall, peakResidentKilobytes() / 1024, rssBefore / 1024);
    return 0;
}
