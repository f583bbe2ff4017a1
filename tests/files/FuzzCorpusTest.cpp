// Replays the program file fuzzer's seed corpus as an ordinary test.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/files/TestFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

TEST(ProgramFileFuzzCorpus, EverySeedHoldsTheRoundTripProperty) {
    const std::filesystem::path corpus = std::string(ZOLT_FUZZ_CORPUS) + "/program-file";
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string bytes = testfiles::ReadBytes(entry.path().string());
        SCOPED_TRACE(entry.path().filename().string());
        // The fuzzer aborts, failing this test, when the property does not hold.
        EXPECT_EQ(
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
            0);
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}

}  // namespace
