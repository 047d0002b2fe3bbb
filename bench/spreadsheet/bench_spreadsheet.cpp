// Writes a grid-like export of 100,000 rows x 20 columns and prints the time, file size and peak
// memory. Usage: bench_spreadsheet [xls|xlsx] [rows]  (both formats when none is given; run one
// format per process to read its own peak memory).
#include "SpreadsheetWriter.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>
#include <sys/resource.h>

namespace {

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// CPU time of the process: on a shared, busy machine a fairer figure than the wall clock.
double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

void run(const QString& ext, int rows, const QString& folder)
{
    constexpr int cols = 20;
    const QString path = QDir(folder).filePath(QStringLiteral("bench.") + ext);
    // Date values made up front: building a local QDateTime costs more than writing it.
    const QDateTime base(QDate(2024, 1, 1), QTime(8, 0));
    std::vector<QDateTime> dates;
    for (int i = 0; i < 1000; ++i)
        dates.push_back(base.addSecs(qint64(i) * 86390));
    QElapsedTimer t;
    const double cpu0 = cpuMs();
    t.start();
    auto w = SpreadsheetWriter::forFileName(path);
    w->addSheet(QStringLiteral("Stok Listesi"));
    for (int c = 0; c < cols; ++c) {
        w->writeHeader(0, c, QStringLiteral("Sütun %1").arg(c + 1));
        w->setColumnWidth(c, 14);
    }
    for (int r = 0; r < rows; ++r) {
        const int row = r + 1;
        w->writeString(row, 0, QStringLiteral("PRC-%1").arg(r, 6, 10, QLatin1Char('0')));        // distinct codes
        w->writeString(row, 1, QStringLiteral("Fren balatası ön %1").arg(r % 5000));           // repeating names
        w->writeString(row, 2, QStringLiteral("OEM %1").arg(r * 7 % 20011));
        w->writeString(row, 3, r % 3 ? QStringLiteral("Var") : QStringLiteral("Yolda"));
        w->writeString(row, 4, QStringLiteral("Marka %1").arg(r % 40));
        for (int c = 5; c < 13; ++c)
            w->writeNumber(row, c, (r * 31 + c) % 100000 / 100.0, SpreadsheetWriter::NumberStyle::Money);
        w->writeNumber(row, 13, r % 500, SpreadsheetWriter::NumberStyle::Integer);
        w->writeNumber(row, 14, r * 1.000001, SpreadsheetWriter::NumberStyle::General);
        w->writeDate(row, 15, dates[std::size_t(r % 1000)], false);
        w->writeDate(row, 16, dates[std::size_t(r * 7 % 1000)], true);
        w->writeDate(row, 17, dates[std::size_t(r * 13 % 1000)], false);
        w->writeBool(row, 18, r % 2);
        w->writeBool(row, 19, r % 5 == 0);
    }
    const qint64 filled = t.elapsed();
    w->save(path);
    const qint64 total = t.elapsed();
    const double cpu = cpuMs() - cpu0;
    std::printf("%-4s rows=%d cols=%d  fill=%lld ms  save=%lld ms  total=%lld ms (cpu %.0f ms)  size=%.1f MB  "
                "peak RSS=%.0f MB\n",
                qPrintable(ext), rows, cols, static_cast<long long>(filled), static_cast<long long>(total - filled),
                static_cast<long long>(total), cpu, QFileInfo(path).size() / 1048576.0, peakKiB() / 1024.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int rows = args.size() > 1 ? args[1].toInt() : 100000;
    QTemporaryDir folder;
    const QStringList formats = args.isEmpty() ? QStringList{QStringLiteral("xls"), QStringLiteral("xlsx")}
                                               : QStringList{args[0]};
    for (const QString& ext : formats)
        run(ext, rows, folder.path());
    return 0;
}
