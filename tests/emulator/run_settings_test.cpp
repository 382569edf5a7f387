// The emulator runner's command line and the names it accepts for pictures.
#include "run_settings.h"

#include <gtest/gtest.h>

#include "runner.h"

namespace emulator {
namespace {

std::vector<std::string> words(std::initializer_list<const char*> list) {
  return std::vector<std::string>(list.begin(), list.end());
}

TEST(RunSettings, ReadsEveryOption) {
  RunSettings settings;
  std::string error;
  ASSERT_TRUE(parseRunSettings(
      words({"--core", "c.so", "--preload", "a.so", "--preload", "b.so", "--rom", "r.nds",
             "--frames", "0x20", "--watch-name", "0x02001000", "--snapshots", "out", "--stop-when",
             "33554436", "--option", "key=a=b", "--verbose"}),
      settings, error))
      << error;
  EXPECT_EQ(settings.corePath, "c.so");
  EXPECT_EQ(settings.preload, words({"a.so", "b.so"}));
  EXPECT_EQ(settings.frames, 32u);
  EXPECT_EQ(settings.watchName, 0x02001000u);
  EXPECT_EQ(settings.snapshotDir, "out");
  EXPECT_EQ(settings.stopWhen, 0x02000004u);
  EXPECT_EQ(settings.options.at("key"), "a=b");
  EXPECT_TRUE(settings.verbose);
  EXPECT_TRUE(settings.pngPath.empty());
}

TEST(RunSettings, RejectsUnusableCommandLines) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      words({"--rom", "r.nds", "--png", "p.png"}),
      words({"--core", "c.so", "--png", "p.png"}),
      words({"--core", "c.so", "--rom", "r.nds"}),
      words({"--core", "c.so", "--rom", "r.nds", "--png"}),
      words({"--core", "c.so", "--rom", "r.nds", "--png", "p", "--frames", "0"}),
      words({"--core", "c.so", "--rom", "r.nds", "--png", "p", "--frames", "-3"}),
      words({"--core", "c.so", "--rom", "r.nds", "--png", "p", "--frames", "12x"}),
      words({"--core", "c.so", "--rom", "r.nds", "--watch-name", "0x02000000"}),
      words({"--core", "c.so", "--rom", "r.nds", "--snapshots", "dir"}),
      words({"--core", "c.so", "--rom", "r.nds", "--png", "p", "--stop-when", "0x100000000"}),
      words({"--core", "c.so", "--rom", "r.nds", "--png", "p", "--option", "=x"}),
      words({"--core", "c.so", "--rom", "r.nds", "--png", "p", "--mystery", "x"}),
  };
  for (const auto& args : cases) {
    RunSettings settings;
    std::string error;
    EXPECT_FALSE(parseRunSettings(args, settings, error)) << testing::PrintToString(args);
    EXPECT_FALSE(error.empty());
  }
}

TEST(SnapshotName, AcceptsOnlyPlainFileNames) {
  for (const char* good : {"scene", "orientation-3", "box_2.v1", "A9"}) {
    EXPECT_TRUE(isSnapshotName(good)) << good;
  }
  for (const char* bad : {"", ".hidden", "..", "../up", "a/b", "with space", "tab\t", "\xc3\xa9"}) {
    EXPECT_FALSE(isSnapshotName(bad)) << bad;
  }
  EXPECT_TRUE(isSnapshotName(std::string(64, 'x')));
  EXPECT_FALSE(isSnapshotName(std::string(65, 'x')));
}

}  // namespace
}  // namespace emulator
