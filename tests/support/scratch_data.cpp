// The linked data folder of the black-box runs.
#include "support/scratch_data.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

std::string ScratchData() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const fs::path source(DH_SOURCE_DIR);
  const fs::path dir =
      fs::path(DH_TEST_TMP) / (std::string("data_") + test->test_suite_name() + "_" + test->name());
  fs::remove_all(dir);
  fs::create_directories(dir / "Data");
  for (const fs::directory_entry& e : fs::directory_iterator(source / "Data")) {
    if (e.path().filename() != "dh.log") fs::create_symlink(e.path(), dir / "Data" / e.path().filename());
  }
  fs::create_directory_symlink(source / "Sound", dir / "Sound");
  return dir.string();
}
