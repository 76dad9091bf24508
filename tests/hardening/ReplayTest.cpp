// ReplayTest.cpp - every input the fuzzers found a fault with (kept under
// tests/data/regressions) runs through every fuzz target again, with all of
// its checks; a violated check aborts the test.
#include "TemplateTestSupport.h"

extern "C" int zrvFuzzReaderInput(const std::uint8_t* Data, std::size_t Size);
extern "C" int zrvFuzzObserverInput(const std::uint8_t* Data, std::size_t Size);
extern "C" int zrvFuzzRoundTripInput(const std::uint8_t* Data, std::size_t Size);

namespace {

using FuzzTarget = int (*)(const std::uint8_t*, std::size_t);

std::vector<fs::path> regressionInputs() {
  std::vector<fs::path> Inputs;
  for (const auto& Entry : fs::directory_iterator(zrvtest::dataFile("regressions")))
    if (Entry.is_regular_file())
      Inputs.push_back(Entry.path());
  std::sort(Inputs.begin(), Inputs.end());
  return Inputs;
}

} // namespace

TEST(FuzzRegressionsPosix, EveryInputPassesEveryFuzzTarget) {
  std::vector<fs::path> Inputs = regressionInputs();
  ASSERT_GE(Inputs.size(), 2u);
  for (const fs::path& Input : Inputs) {
    std::string Bytes = zrvtest::readBytes(Input);
    const auto* Data = reinterpret_cast<const std::uint8_t*>(Bytes.data());
    for (FuzzTarget Target : {zrvFuzzReaderInput, zrvFuzzObserverInput, zrvFuzzRoundTripInput})
      EXPECT_EQ(Target(Data, Bytes.size()), 0) << Input.filename();
  }
}
