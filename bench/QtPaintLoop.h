#pragma once

// The loop of the QPainter benchmarks: one paint into the same image per iteration, as a window's
// repaints reuse its backing store.

#include <QImage>
#include <QPainter>
#include <QSize>

#include <benchmark/benchmark.h>

namespace varn::bench {

template <typename Paint> void paintEveryIteration(benchmark::State& state, QSize size, Paint paint) {
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paint(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace varn::bench
