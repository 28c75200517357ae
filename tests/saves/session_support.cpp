// Runs of the built program for the session tests.
#include "session_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::vector<ScriptLine> RecordedGame() {
  std::ifstream in(std::string(DH_SOURCE_DIR) + "/tests/data/win_seed1.txt");
  std::vector<ScriptLine> lines;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    ScriptLine s{};
    words >> s.frame;
    std::getline(words >> std::ws, s.event);
    lines.push_back(s);
  }
  return lines;
}

void WriteScript(const std::string& path, const std::vector<ScriptLine>& lines) {
  std::ofstream out(path);
  for (const ScriptLine& s : lines) out << s.frame << " " << s.event << "\n";
}

int RunProgram(const std::string& data, const std::string& arguments, const std::string& cwd) {
  const std::string command = (cwd.empty() ? "" : "cd " + cwd + " && ") + std::string(DH_BINARY) +
                              " --headless --data " + data + " " + arguments + " > " + data + "/out.txt 2>&1";
  return std::system(command.c_str());
}

nlohmann::json ReadDump(const std::string& path) {
  std::ifstream in(path);
  if (!in) return nullptr;
  return nlohmann::json::parse(in, nullptr, false);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string ScratchFolder(const std::string& name) {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const fs::path dir =
      fs::path(DH_TEST_TMP) / (std::string(test->test_suite_name()) + "_" + test->name()) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}
