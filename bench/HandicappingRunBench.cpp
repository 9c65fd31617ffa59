// Start on the largest card the store holds: 20 races of 20 entries with 20
// past races each, from its tables on disk to the key-selections file.
#include "SampleTracks.h"
#include "SyntheticCard.h"
#include "app/AppCommands.h"
#include "card/DataRoot.h"
#include "rating/HandicappingRun.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>

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

std::filesystem::path writeLargestCard() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tallowmere-bench-XXXXXX").string();
    const std::filesystem::path root = ::mkdtemp(pattern.data());
    tallowmere::cardgen::CardRequest request;
    request.shape = {20, 20, 20};
    tallowmere::cardgen::writeCardTables(tallowmere::cardgen::makeCard(request),
                                         tallowmere::DataRoot{root}.trackMasterFolder());
    std::ofstream(root / "TrackEditor.ini", std::ios::binary)
        << tallowmere::cardgen::trackEditorIni(tallowmere::cardgen::sampleTracks());
    return root;
}

void startOnTheLargestCard(benchmark::State& state) {
    const std::filesystem::path root = writeLargestCard();
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
