#pragma once

#include <QString>
#include <QStringList>

// Reading printed reports back: the text of a PDF as poppler extracts it,
// and comparisons that hold whatever form the Persian letters come out in.
namespace pentarix::test {

// The text of each page of a PDF, laid out as on the page.
QStringList pdfPages(const QString& path);
// The fonts a PDF uses, as pdffonts lists them.
QString pdfFonts(const QString& path);

// Persian text taken out of a PDF may come in presentation forms and in
// visual order. Folded: compatibility forms to plain letters, without
// blanks, joiners and non-joiners; Arabic and Persian Yeh and Kaf, which
// share their joined shapes, taken as one letter each.
QString folded(const QString& text);
// Whether the extracted text holds the expected words, in reading or in
// visual order.
bool holdsPersian(const QString& extracted, const QString& expected);

// The runs of Latin digits in a text, in order ("P12 a 7" gives 12, 7).
QStringList numbersIn(const QString& text);
// The same runs read from the right: a laid-out line of a right-to-left
// table comes out of the PDF left to right, its last column first.
QStringList numbersFromRight(const QString& line);

} // namespace pentarix::test
