#pragma once

#include <algorithm>
#include <cstddef>
#include <thread>
#include <vector>

namespace ubic::python {

// Runs EvaluateRows(first, last, bad) over Rows rows, in equal parts on as many threads as the
// machine has, each part at least RowsPerThread rows. False, with Bad set by the first part that
// refused a row, when any part refused one.
template <class TBad, class TRows>
bool InThreads(std::size_t rows, std::size_t rowsPerThread, TBad& bad, const TRows& evaluateRows) {
  const std::size_t threads = std::clamp<std::size_t>(
      rows / rowsPerThread, 1, std::max(1u, std::thread::hardware_concurrency()));
  if (threads == 1) return evaluateRows(std::size_t{0}, rows, bad);
  std::vector<TBad> bads(threads);
  std::vector<char> good(threads, 1);
  std::vector<std::thread> workers;
  const std::size_t part = (rows + threads - 1) / threads;
  for (std::size_t t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      const std::size_t first = std::min(rows, t * part);
      good[t] = evaluateRows(first, std::min(rows, first + part), bads[t]);
    });
  }
  for (std::thread& worker : workers) worker.join();
  for (std::size_t t = 0; t < threads; ++t) {
    if (!good[t]) {
      bad = bads[t];
      return false;
    }
  }
  return true;
}

}  // namespace ubic::python
