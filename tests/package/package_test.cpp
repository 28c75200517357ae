// Builds the Debian package from this build, unpacks it and checks it as a player's system and Debian's tools
// would.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <string>

#include "content/content_support.h"

namespace fs = std::filesystem;

namespace {

// Runs a shell command; returns its exit status (-1 when it did not exit) and what it wrote to stdout in
// *out.
int Shell(const std::string& command, std::string* out) {
  out->clear();
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) out->append(buffer, n);
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// The long options ("--seed") a text names.
std::set<std::string> LongOptions(const std::string& text) {
  static const std::regex option("--[a-z][a-z-]*[a-z]");
  std::set<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it)
    found.insert(it->str());
  return found;
}

class Package : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::remove_all(Scratch());
    fs::create_directories(Scratch());
    buildStatus = Shell(
        "'" DH_CPACK "' --config '" DH_BUILD_DIR "/CPackConfig.cmake' -B " + Quoted(Scratch()) + " 2>&1",
        &buildLog);
    Shell("dpkg --print-architecture", &architecture);
    while (!architecture.empty() && architecture.back() == '\n') architecture.pop_back();
    std::string log;
    unpackStatus = Shell("dpkg-deb -x " + Quoted(Deb()) + " " + Quoted(Root()) + " 2>&1", &log);
    buildLog += log;
  }

  static std::string Scratch() { return std::string(DH_TEST_TMP) + "/package"; }
  static std::string Root() { return Scratch() + "/root"; }
  // The name Debian's tools give the package: name, version and architecture.
  static std::string Deb() { return Scratch() + "/duskhollow_" DH_VERSION "_" + architecture + ".deb"; }
  static std::string Game() { return Root() + "/usr/games/duskhollow"; }

  static std::string Field(const std::string& name) {
    std::string value;
    Shell("dpkg-deb -f " + Quoted(Deb()) + " " + name, &value);
    while (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
  }

  static int buildStatus;
  static int unpackStatus;
  static std::string buildLog;
  static std::string architecture;
};

int Package::buildStatus = -1;
int Package::unpackStatus = -1;
std::string Package::buildLog;
std::string Package::architecture;

#define ASSERT_UNPACKED() \
  ASSERT_TRUE(buildStatus == 0 && unpackStatus == 0) << "cpack or dpkg-deb -x failed:\n" << buildLog

TEST_F(Package, HoldsTheGameItsDataMenuEntryManualPageAndMetadataUnderUsr) {
  ASSERT_UNPACKED();
  EXPECT_EQ(Field("Package"), "duskhollow");
  EXPECT_EQ(Field("Version"), DH_VERSION);
  EXPECT_EQ(Field("Section"), "games");
  EXPECT_EQ(Field("Architecture"), architecture);
  EXPECT_TRUE(std::regex_match(Field("Maintainer"), std::regex("[^<>]+ <[^@<>]+@[^@<>]+>")))
      << Field("Maintainer");
  // The dependencies dpkg-shlibdeps read from the binary: the C library as well as SDL's.
  const std::string depends = Field("Depends");
  for (const char* library :
       {"libc6", "libstdc++6", "libsdl2-2.0-0", "libsdl2-image-2.0-0", "libsdl2-mixer-2.0-0"})
    EXPECT_NE(depends.find(std::string(library) + " ("), std::string::npos)
        << library << " missing in " << depends;

  for (const auto& entry : fs::directory_iterator(Root())) EXPECT_EQ(entry.path().filename(), "usr");
  struct stat info {};
  ASSERT_EQ(stat(Game().c_str(), &info), 0) << "Debian keeps games in /usr/games";
  EXPECT_EQ(info.st_mode & 0777, 0755u);
  EXPECT_FALSE(fs::exists(Root() + "/usr/bin/duskhollow"));
  const std::string share = Root() + "/usr/share/";
  for (const char* file :
       {"duskhollow/Data/dh.ini", "duskhollow/Data/map1.dhm", "duskhollow/Sound/B GAME CLOCKS.mp3",
        "icons/hicolor/64x64/apps/duskhollow.png", "icons/hicolor/256x256/apps/duskhollow.png",
        "metainfo/duskhollow.metainfo.xml", "doc/duskhollow/copyright"}) {
    EXPECT_TRUE(fs::is_regular_file(share + file)) << file;
  }
  EXPECT_FALSE(fs::exists(share + "duskhollow/Data/dh.log")) << "a developer's log was packed";
  // Compressed the way Debian wants, so that man and lintian find them.
  for (const char* file : {"man/man6/duskhollow.6.gz", "doc/duskhollow/changelog.gz"}) {
    std::string bytes;
    EXPECT_TRUE(content::ReadWholeFile(share + file, &bytes) && bytes.compare(0, 2, "\x1f\x8b") == 0) << file;
  }
  std::string entry;
  ASSERT_TRUE(content::ReadWholeFile(share + "applications/duskhollow.desktop", &entry));
  EXPECT_NE(entry.find("\nExec=duskhollow\n"), std::string::npos);  // /usr/games is on the players' PATH
  std::string changelog;
  ASSERT_EQ(Shell("gzip -dc " + Quoted(share + "doc/duskhollow/changelog.gz"), &changelog), 0);
  EXPECT_EQ(changelog.rfind("duskhollow (" DH_VERSION ") ", 0), 0u) << changelog;
}

TEST_F(Package, UnpackedGameStartsFromTheRootFolderWithoutAMessageBox) {
  ASSERT_UNPACKED();
  std::string out;
  ASSERT_EQ(Shell("cd / && " + Quoted(Game()) + " --version", &out), 0);
  EXPECT_EQ(out, "Duskhollow " DH_VERSION "\n");

  const std::string dump = Scratch() + "/run.json";
  ASSERT_EQ(Shell("cd / && XDG_STATE_HOME=" + Quoted(Scratch() + "/state") + " " + Quoted(Game()) +
                      " --headless --frames 30 --dump 30:" + Quoted(dump) + " 2>&1",
                  &out),
            0)
      << out;
  nlohmann::json state;
  std::ifstream(dump) >> state;
  ASSERT_EQ(state["frame"], 30) << "no dump written: " << out;
  EXPECT_EQ(state["messageBoxes"], nlohmann::json::array()) << out;
  EXPECT_GT(state["map"]["W"].get<int>(), 0);  // the map came from the package's /usr/share/duskhollow
}

TEST_F(Package, LintianFindsNoError) {
  ASSERT_UNPACKED();
  std::string out;
  const int status = Shell("TMPDIR=" + Quoted(Scratch()) +
                               " lintian --fail-on error --no-tag-display-limit " + Quoted(Deb()) + " 2>&1",
                           &out);
  ASSERT_NE(status, 127) << "lintian is missing: tools/deps.sh test installs it";
  EXPECT_EQ(status, 0) << out;
  EXPECT_FALSE(std::regex_search(out, std::regex("(^|\n)E: "))) << out;
}

TEST_F(Package, MetadataAndMenuEntryPassTheirValidators) {
  ASSERT_UNPACKED();
  const std::string metainfo = Root() + "/usr/share/metainfo/duskhollow.metainfo.xml";
  const std::string entry = Root() + "/usr/share/applications/duskhollow.desktop";
  std::string out;
  EXPECT_EQ(Shell("appstreamcli validate --no-net --pedantic " + Quoted(metainfo) + " 2>&1", &out), 0) << out;
  EXPECT_EQ(Shell("desktop-file-validate " + Quoted(entry) + " 2>&1", &out), 0) << out;
  EXPECT_EQ(out, "") << "desktop-file-validate has remarks";

  std::string xml;
  ASSERT_TRUE(content::ReadWholeFile(metainfo, &xml));
  EXPECT_NE(xml.find("<release version=\"" DH_VERSION "\""), std::string::npos);
  EXPECT_NE(xml.find("<launchable type=\"desktop-id\">duskhollow.desktop</launchable>"), std::string::npos);
  // Every screenshot is one of the repository's, under the name it has there.
  static const std::regex image("<image>https://[^<]*/([^/<]+)</image>");
  int screenshots = 0;
  for (std::sregex_iterator it(xml.begin(), xml.end(), image), end; it != end; ++it, ++screenshots)
    EXPECT_TRUE(fs::is_regular_file(std::string(DH_SOURCE_DIR) + "/docs/screenshots/" + (*it)[1].str()))
        << it->str();
  EXPECT_GT(screenshots, 0);
}

TEST_F(Package, ManualPageNamesEveryOptionOfHelpAndNoOther) {
  ASSERT_UNPACKED();
  std::string help;
  ASSERT_EQ(Shell(Quoted(Game()) + " --help", &help), 0);
  const std::string page = Quoted(Root() + "/usr/share/man/man6/duskhollow.6.gz");
  std::string warnings;
  ASSERT_EQ(Shell("gzip -dc " + page + " | groff -man -ww -z 2>&1", &warnings), 0);
  EXPECT_EQ(warnings, "") << "groff finds faults in the page";
  // Rendered as plain text on lines long enough that no option is broken across two.
  std::string text;
  ASSERT_EQ(Shell("gzip -dc " + page + " | groff -man -Tascii -rLL=1000n -P-cbou 2>/dev/null", &text), 0);
  EXPECT_NE(text.find("Duskhollow " DH_VERSION), std::string::npos) << "the page names another version";

  const std::set<std::string> helpOptions = LongOptions(help);
  const std::set<std::string> pageOptions = LongOptions(text);
  EXPECT_GE(helpOptions.size(), 10u) << help;
  for (const std::string& option : helpOptions)
    EXPECT_EQ(pageOptions.count(option), 1u) << option << " is not in the page";
  for (const std::string& option : pageOptions)
    EXPECT_EQ(helpOptions.count(option), 1u) << option << " is not in --help";
}

}  // namespace
