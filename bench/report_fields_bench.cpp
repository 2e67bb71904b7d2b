// Time to check a company, project or date text against its place on the certificate, which
// runs at every keystroke in those fields: a text that fits, and one whose cut is searched for.
#include <QString>

#include <benchmark/benchmark.h>

#include "documents/certificate_page.h"

namespace {

void BM_FieldThatFits(benchmark::State& state) {
    const QString text = QStringLiteral("Acme Windows Ltd\nUnit 4, Riverside");
    for (auto _ : state) {
        benchmark::DoNotOptimize(CertificateFieldOverflow(text));
    }
}
BENCHMARK(BM_FieldThatFits)->Unit(benchmark::kMicrosecond);

void BM_FieldTooLong(benchmark::State& state) {
    const QString text =
        QStringLiteral("Acme Glazing and Curtain Walling Systems Ltd, Northern Division");
    for (auto _ : state) {
        benchmark::DoNotOptimize(CertificateFieldOverflow(text));
    }
}
BENCHMARK(BM_FieldTooLong)->Unit(benchmark::kMicrosecond);

}  // namespace
