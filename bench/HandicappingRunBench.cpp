// Start on the largest card the store holds: 20 races of 20 entries with 20
// past races each, from its tables on disk to the key-selections file.
#include "LargestCard.h"
#include "app/AppCommands.h"
#include "rating/HandicappingRun.h"

#include <benchmark/benchmark.h>

namespace {

class SilentPlatform : public tallowmere::Platform {
  public:
    void showTextFile(const std::filesystem::path&) override {}
    void openUrl(const std::string&) override {}
    tallowmere::MessageAnswer showMessage(const tallowmere::Message&) override {
        return tallowmere::MessageAnswer::Ok;
    }
    void beep() override {}
    void startProgram(const std::filesystem::path&, const std::vector<std::string>&) override {}
    void setFilesHidden(const std::filesystem::path&, const std::vector<std::string>&,
                        bool) override {}
    std::string shortDate(int, int, int) override { return {}; }
    void endProgram() override {}
};

void startOnTheLargestCard(benchmark::State& state) {
    const std::filesystem::path root = makeLargestCardRoot();
    SilentPlatform platform;
    for (auto _ : state) {
        tallowmere::Form1 form(platform);
        form.DataRoot = root;
        form.WorkFolder = root;
        tallowmere::Form_Load(form);
        tallowmere::Command1_Click(form);
        benchmark::DoNotOptimize(form.Records);
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(startOnTheLargestCard)->Unit(benchmark::kMillisecond);

} // namespace
