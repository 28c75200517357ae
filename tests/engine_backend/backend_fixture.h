// Shared helpers of the engine backend tests: scratch files and a per-test headless engine.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "engine/headless/headless.h"

// A path in the tests' scratch folder (created on first use).
inline std::string ScratchPath(const std::string& name) {
  mkdir(DH_TEST_TMP, 0755);
  return std::string(DH_TEST_TMP) + "/backend_" + name;
}

// Writes `content` to `path`, replacing the file.
inline void WriteText(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// Reads a whole file ("" when missing).
inline std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Gives every test a fresh headless engine (made by the test with Start) and releases it afterwards.
class HeadlessTest : public ::testing::Test {
 protected:
  HGE* Start(const hgeRunOptions& options = hgeRunOptions()) {
    engine = HeadlessCreate(options);
    return engine;
  }
  void TearDown() override {
    if (engine != nullptr) engine->Release();
    engine = nullptr;
  }

  HGE* engine = nullptr;
};
