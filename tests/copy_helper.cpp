// Runs one chunked copy in a process of its own, so that a test can kill it
// at any moment:  copy_helper SOURCE TARGET PAUSE_MICROSECONDS
// It writes one line to standard output when the copy starts.
#include "maintenance/backup.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: copy_helper SOURCE TARGET PAUSE_MICROSECONDS\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    const std::chrono::microseconds pause(std::atoi(argv[3]));
    std::puts("copying");
    std::fflush(stdout);
    const auto outcome = pentarix::copyInChunks(source, target, [pause] { std::this_thread::sleep_for(pause); });
    return outcome.ok ? 0 : 1;
}
