#include "report_text.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

namespace pentarix::test {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QStringList pdfPages(const QString& path) {
    QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                          QStringLiteral("UTF-8"), path, QStringLiteral("-")})
                            .split(QChar(u'\f'));
    // pdftotext ends the last page with a form feed too.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

QString pdfFonts(const QString& path) { return run(QStringLiteral("pdffonts"), {path}); }

QString folded(const QString& text) {
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_KC)) {
        if (c.isSpace() || c == QChar(0x200C) || c == QChar(0x200D) || c == QChar(0x0640)) continue;
        if (c.category() == QChar::Other_Format) continue;
        if (c == QChar(0x064A)) out += QChar(0x06CC);
        else if (c == QChar(0x0643)) out += QChar(0x06A9);
        else out += c;
    }
    return out;
}

bool holdsPersian(const QString& extracted, const QString& expected) {
    const QString haystack = folded(extracted);
    QString wanted = folded(expected);
    if (haystack.contains(wanted)) return true;
    std::reverse(wanted.begin(), wanted.end());
    return haystack.contains(wanted);
}

QStringList numbersIn(const QString& text) {
    QStringList numbers;
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    for (auto it = digits.globalMatch(text); it.hasNext();) numbers << it.next().captured();
    return numbers;
}

QStringList numbersFromRight(const QString& line) {
    QStringList numbers = numbersIn(line);
    std::reverse(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace pentarix::test
