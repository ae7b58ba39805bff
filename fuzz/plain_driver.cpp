// SPDX-License-Identifier: GPL-3.0-or-later
// Drives a fuzz target where there is no libFuzzer (gcc, the sanitizer build of CI): every file
// of the corpus runs once, then, for -max_total_time seconds, inputs mutated from the corpus
// (bytes flipped, set, inserted, removed, repeated, cut, two inputs spliced). No coverage guides
// it, so it finds what random damage to real files finds; libFuzzer with clang goes deeper.
// A sanitizer report, a crash or a harness's own check (a trap) stops the process; the input that
// caused it is saved under the artifact prefix first, as libFuzzer does. Understands libFuzzer's
// -max_total_time, -max_len, -seed and -artifact_prefix and ignores its other options.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Given by the sanitizers' runtime; absent (null) in a build without them.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Options {
  long Seconds = 0;
  std::size_t MaxLength = 4096;
  unsigned Seed = std::random_device{}();
  std::string ArtifactPrefix = "./";
  std::vector<std::filesystem::path> Inputs;
};

// What the death callback saves: the input running when a sanitizer stopped the process.
const Bytes* g_running = nullptr;
std::string g_artifactPrefix;

void SaveRunningInput() {
  if (g_running == nullptr) return;
  const std::string name = g_artifactPrefix + "crash-input";
  std::ofstream out(name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(g_running->data()),
            static_cast<std::streamsize>(g_running->size()));
  std::cerr << "plain driver: the input is saved as " << name << "\n";
}

// A harness's check ends in a trap (SIGILL), an uncaught exception in an abort: the sanitizers
// report neither (they keep SIGSEGV, SIGBUS and SIGFPE). Save the input, then die of the signal.
void SaveInputAndDie(int signal) {
  SaveRunningInput();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void Run(const Bytes& input, long& runs) {
  g_running = &input;
  LLVMFuzzerTestOneInput(input.data(), input.size());
  g_running = nullptr;
  ++runs;
}

bool NumberOption(std::string_view argument, std::string_view name, long& value) {
  if (!argument.starts_with(name)) return false;
  value = std::stol(std::string(argument.substr(name.size())));
  return true;
}

Options ReadOptions(int argc, char* argv[]) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    long number = 0;
    if (NumberOption(argument, "-max_total_time=", number)) {
      options.Seconds = number;
    } else if (NumberOption(argument, "-max_len=", number)) {
      options.MaxLength = static_cast<std::size_t>(number);
    } else if (NumberOption(argument, "-seed=", number)) {
      options.Seed = static_cast<unsigned>(number);
    } else if (argument.starts_with("-artifact_prefix=")) {
      options.ArtifactPrefix = std::string(argument.substr(17));
    } else if (!argument.starts_with("-")) {
      options.Inputs.emplace_back(argument);
    }
  }
  return options;
}

Bytes ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Bytes> ReadCorpus(const std::vector<std::filesystem::path>& inputs) {
  std::vector<Bytes> corpus;
  for (const auto& input : inputs) {
    if (std::filesystem::is_directory(input)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(input))
        if (entry.is_regular_file()) corpus.push_back(ReadFile(entry.path()));
    } else {
      corpus.push_back(ReadFile(input));
    }
  }
  return corpus;
}

// Bytes a reader of these files decides on: separators, signs, digits' edges, line ends, the
// extremes of a byte.
constexpr std::uint8_t kTelling[] = {0,   1,   0x7f, 0x80, 0xff, '\r', '\n', ';', ',', '.', ' ',
                                     '-', '+', '0',  '9',  'e',  'N',  'S',  'E', 'W', '\t'};

class Mutator {
 public:
  explicit Mutator(unsigned seed) : random_(seed) {}

  Bytes Mutate(const std::vector<Bytes>& corpus, std::size_t maxLength) {
    Bytes input = corpus.empty() ? Bytes{} : corpus[Below(corpus.size())];
    const std::size_t changes = 1 + Below(4);
    for (std::size_t i = 0; i < changes; ++i) MutateOnce(input, corpus);
    if (input.size() > maxLength) input.resize(maxLength);
    return input;
  }

 private:
  std::size_t Below(std::size_t limit) {
    return limit == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, limit - 1)(random_);
  }

  std::uint8_t AnyByte() {
    return Below(2) == 0 ? kTelling[Below(std::size(kTelling))]
                         : static_cast<std::uint8_t>(Below(256));
  }

  void MutateOnce(Bytes& input, const std::vector<Bytes>& corpus) {
    const std::size_t at = Below(input.size() + 1);
    switch (Below(7)) {
      case 0:
        if (!input.empty()) input[Below(input.size())] ^= static_cast<std::uint8_t>(1u << Below(8));
        break;
      case 1:
        if (!input.empty()) input[Below(input.size())] = AnyByte();
        break;
      case 2:
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), 1 + Below(8), AnyByte());
        break;
      case 3: {
        const std::size_t count =
            std::min(input.size() - std::min(at, input.size()), 1 + Below(16));
        input.erase(input.begin() + static_cast<std::ptrdiff_t>(at),
                    input.begin() + static_cast<std::ptrdiff_t>(at + count));
        break;
      }
      case 4: {  // a run of the input repeated, as a line written twice
        if (at >= input.size()) break;
        const std::size_t count = std::min(input.size() - at, 1 + Below(64));
        const Bytes run(input.begin() + static_cast<std::ptrdiff_t>(at),
                        input.begin() + static_cast<std::ptrdiff_t>(at + count));
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), run.begin(), run.end());
        break;
      }
      case 5:  // a file cut off
        input.resize(at);
        break;
      default: {  // two files spliced
        if (corpus.empty()) break;
        const Bytes& other = corpus[Below(corpus.size())];
        const std::size_t from = Below(other.size() + 1);
        input.resize(at);
        input.insert(input.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
        break;
      }
    }
  }

  std::mt19937 random_;
};

}  // namespace

int main(int argc, char* argv[]) {
  const Options options = ReadOptions(argc, argv);
  g_artifactPrefix = options.ArtifactPrefix;
  if (__sanitizer_set_death_callback != nullptr) __sanitizer_set_death_callback(SaveRunningInput);
  for (const int signal : {SIGILL, SIGABRT}) std::signal(signal, SaveInputAndDie);
  // Said first: a sanitizer that ends the process leaves no input behind, the seed replays it.
  std::cerr << "plain driver: seed " << options.Seed << "\n";
  const std::vector<Bytes> corpus = ReadCorpus(options.Inputs);
  long runs = 0;
  for (const Bytes& input : corpus) Run(input, runs);
  const auto start = std::chrono::steady_clock::now();
  const auto end = start + std::chrono::seconds(options.Seconds);
  Mutator mutator(options.Seed);
  while (std::chrono::steady_clock::now() < end)
    Run(mutator.Mutate(corpus, options.MaxLength), runs);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "stat::number_of_executed_units: " << runs << "\n"
            << "stat::average_exec_per_sec: "
            << (seconds > 0 ? static_cast<long>(static_cast<double>(runs) / seconds) : runs) << "\n"
            << "plain driver: seed " << options.Seed << ", " << corpus.size() << " corpus inputs\n";
  return 0;
}
