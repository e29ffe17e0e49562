#pragma once

#include <QString>
#include <QTemporaryDir>

namespace pentarix::bench {

// A temporary application folder with a copy of the delivered database and
// the skins, made the working folder while it lives.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    QString path() const { return dir_.path(); }
    QString databasePath() const;
    // Registers n examinees (both rows each), half of them scored.
    void addExaminees(int n) const;
    // A folder with n examinees, made once per n for the whole run and made
    // the working folder.
    static BenchFolder& withExaminees(int n);

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Runs the benchmarks of a program whose windows need a QApplication: on the
// offscreen platform, set up as the program sets itself up.
int runWithApplication(int argc, char** argv);

} // namespace pentarix::bench
