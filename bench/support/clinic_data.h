#pragma once

#include <QString>

#include <string>

namespace pentarix::bench {

// A clinic's database as it looks after years of use: n examinees registered
// over six years, each with a complete answer sheet (all 50 items, keyed
// values 1 .. 5 drawn around the examinee's own level on each factor) and,
// but for one in twenty who took the test and awaits scoring, the five factor
// scores computed from it. Persian names that match the gender, groups
// A .. G in unequal shares, ages, marital status, education, Solar Hijri
// dates in registration order and times within clinic hours.
//
// Examinee i (0-based, in registration order) has the code clinicCode(i).
std::string clinicCode(int index);

// Whether examinee i awaits scoring: a scoring stores new scores for them,
// so the benchmark can tell that it did (storing the same values again
// leaves the file untouched).
bool awaitsScoring(int index);
// The k-th of the n examinees' ones awaiting scoring, in an order scattered
// over the table; -1 once every one was given. Never an even index.
int awaitingScoring(int n, int k);

// Writes n examinees into an existing database file with the program's
// tables, in one transaction.
void addClinicExaminees(const QString& databasePath, int n);

// A database file with n examinees, generated once per size for the whole
// run (in a temporary folder of the process) and copied from then on. 0
// gives the delivered database itself.
QString clinicDatabase(int n);

// A code registered nowhere yet, different in every call of the process and
// between runs: a prefix drawn once per process and a counter.
QString uniqueCode();

} // namespace pentarix::bench
