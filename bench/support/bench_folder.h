#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>

namespace benchmark {
class State;
}

namespace pentarix::bench {

// A temporary application folder with a copy of a clinic's database (see
// clinic_data.h; none gives the delivered database) and the skins, made the
// working folder while it lives.
class BenchFolder {
public:
    explicit BenchFolder(int examinees = 0);
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString databasePath() const;
    int examinees() const { return examinees_; }
    // A second copy of the same database beside the folder, for a yardstick
    // that writes: its commits never reach the program's file, where they
    // would count as another program's writes. Made on first use.
    QString twinPath();

    // A folder with n examinees, made once per n for the whole run and made
    // the working folder. For benchmarks that leave the data as they found it.
    static BenchFolder& withExaminees(int n);

private:
    QTemporaryDir dir_;
    QString previous_;
    int examinees_;
    bool twin_ = false;
};

// Marks the benchmark as failed with the reason, on the console as well, and
// makes the benchmark program exit with a non-zero status.
void fail(benchmark::State& state, const std::string& reason);
bool anyFailed();

// Runs the benchmarks of a program whose windows need a QApplication: on the
// offscreen platform, set up as the program sets itself up. Non-zero when a
// benchmark failed.
int runWithApplication(int argc, char** argv);

// Runs the benchmarks of a program without windows. Non-zero when a
// benchmark failed.
int runBenchmarks(int argc, char** argv);

} // namespace pentarix::bench
