// The command-line tool end to end on generated options: "evaluate --rows" on a million options
// (by sets, and by probabilities with half of the inputs weighted) and the column layout on
// 100,000, each writing to a file. Besides the speed, every run reports
// the tool's peak memory.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli_inputs.h"

extern char** environ;

namespace ubic::bench {
namespace {

// A model and an options file of Count options in a folder of their own, removed at the end.
class TCliInputs {
 public:
  TCliInputs(int count, bool weighted) : FCount(count), FWeighted(weighted) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ubic-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    FFolder = pattern;
    if (!WriteCliInputs(Model(), Options(), count, weighted)) {
      throw std::runtime_error("inputs not written");
    }
  }
  TCliInputs(const TCliInputs&) = delete;
  TCliInputs& operator=(const TCliInputs&) = delete;
  ~TCliInputs() { std::filesystem::remove_all(FFolder); }

  bool Fits(int count, bool weighted) const { return FCount == count && FWeighted == weighted; }
  std::string Model() const { return FFolder + "/model.ubm"; }
  std::string Options() const { return FFolder + "/options.csv"; }
  std::string Output() const { return FFolder + "/out.csv"; }

 private:
  int FCount;
  bool FWeighted;
  std::string FFolder;
};

// What one run of the tool took: its peak resident memory and the processor time of all its
// threads, which a busy machine does not stretch the way it stretches the elapsed time.
struct TToolUsage {
  double PeakMegabytes = 0;
  double ProcessorSeconds = 0;
};

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

TToolUsage RunTool(std::vector<std::string> args) {
  args.insert(args.begin(), UBIC_CLI_PATH);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    throw std::runtime_error("the tool did not start");
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the tool failed");
  }
  return {static_cast<double>(usage.ru_maxrss) / 1024.0,
          Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

void RunEvaluate(benchmark::State& state, int count, bool rows, const char* method = nullptr) {
  // Made once for each kind; the last ones are removed at exit.
  static std::unique_ptr<TCliInputs> inputs;
  const bool weighted = method != nullptr;
  if (!inputs || !inputs->Fits(count, weighted)) {
    inputs = std::make_unique<TCliInputs>(count, weighted);
  }
  std::vector<std::string> args{
      "evaluate", inputs->Model(), "--options", inputs->Options(), "--csv", "-o", inputs->Output()};
  if (rows) args.push_back("--rows");
  if (weighted) args.insert(args.end(), {"--method", method});
  double peak = 0;
  double processor = 0;
  for (auto _ : state) {
    const TToolUsage usage = RunTool(args);
    peak = std::max(peak, usage.PeakMegabytes);
    processor += usage.ProcessorSeconds;
  }
  const double options = double(count) * double(state.iterations());
  state.counters["options_per_second"] = benchmark::Counter(options, benchmark::Counter::kIsRate);
  state.counters["options_per_processor_second"] = options / processor;
  state.counters["peak_MB"] = peak;
}

void BM_EvaluateRows(benchmark::State& state) {
  RunEvaluate(state, 1'000'000, true);
}
BENCHMARK(BM_EvaluateRows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Half of the basic attributes hold weights over two values, evaluated by probabilities.
void BM_EvaluateRowsProb(benchmark::State& state) {
  RunEvaluate(state, 1'000'000, true, "prob");
}
BENCHMARK(BM_EvaluateRowsProb)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_EvaluateColumns(benchmark::State& state) {
  RunEvaluate(state, 100'000, false);
}
BENCHMARK(BM_EvaluateColumns)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
}  // namespace ubic::bench
