// Printing the 600 x 600 chart with 5,000 symbols to a PDF printer: the
// vector shapes drawn through QPainter at the printer's resolution and the
// file written, as the print dialog's "print to file" does.

#include "app/ChartPrinter.h"
#include "bench/BenchCharts.h"
#include "document/ElementTypes.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

void BM_PrintFiveThousandSymbolsToAPdfPrinter(benchmark::State& state)
{
    auto doc = bench::denseChart(5000);
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        QString error;
        if (!app::printSheet(*doc, printer, error))
            state.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(BM_PrintFiveThousandSymbolsToAPdfPrinter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    installElementTypes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
