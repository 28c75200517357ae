// Installs the built game into a scratch prefix and runs the installed binary from the root folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "content/content_support.h"

namespace fs = std::filesystem;

namespace {

class Installed : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::remove_all(Prefix());
    fs::create_directories(Prefix());
    const std::string build = fs::path(DH_BINARY).parent_path().string();
    installStatus = std::system(("cmake --install '" + build + "' --prefix '" + Prefix() + "' > '" +
                                 Prefix() + "/../install.txt' 2>&1")
                                    .c_str());
  }

  static std::string Prefix() { return std::string(DH_TEST_TMP) + "/install/prefix"; }
  static std::string Share() { return Prefix() + "/share/duskhollow"; }

  // Runs the installed game headless from "/" for 30 frames; the exit status, the dump in *dump.
  int RunFromRoot(const std::string& environment, nlohmann::json* dump) {
    const std::string out = Prefix() + "/../run";
    fs::remove(out + ".json");
    const int status = std::system(("cd / && " + environment + " '" + Prefix() +
                                    "/bin/duskhollow' --headless --frames 30 --dump 30:" + out + ".json > " +
                                    out + ".txt 2>&1")
                                       .c_str());
    std::ifstream in(out + ".json");
    if (in) in >> *dump;
    return status;
  }

  static int installStatus;
};

int Installed::installStatus = -1;

TEST_F(Installed, PutsBinaryDataDesktopEntryIconsManualAndMetadataInTheirPlaces) {
  ASSERT_EQ(installStatus, 0) << "cmake --install failed; see install.txt";
  struct stat info {};
  ASSERT_EQ(stat((Prefix() + "/bin/duskhollow").c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IXUSR);
  for (const char* file :
       {"Data/dh.ini", "Data/map1.dhm", "Data/font.fnt", "Data/icon.png", "Sound/B GAME CLOCKS.mp3"}) {
    EXPECT_TRUE(fs::is_regular_file(Share() + "/" + file)) << file;
  }
  EXPECT_FALSE(fs::exists(Share() + "/Data/dh.log")) << "a developer's log was installed";
  EXPECT_FALSE(fs::exists(Prefix() + "/games")) << "only the Debian package puts the game in games/";
  for (const char* file :
       {"man/man6/duskhollow.6.gz", "metainfo/duskhollow.metainfo.xml", "doc/duskhollow/copyright",
        "locale/en/LC_MESSAGES/duskhollow.mo"})
    EXPECT_TRUE(fs::is_regular_file(Prefix() + "/share/" + file)) << file;

  std::string entry;
  ASSERT_TRUE(content::ReadWholeFile(Prefix() + "/share/applications/duskhollow.desktop", &entry));
  EXPECT_NE(entry.find("\nExec=duskhollow\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=duskhollow\n"), std::string::npos);
  for (int size : {64, 128, 256}) {
    const std::string s = std::to_string(size);
    const content::Pixels icon =
        content::LoadPixels(Prefix() + "/share/icons/hicolor/" + s + "x" + s + "/apps/duskhollow.png");
    EXPECT_TRUE(icon.w == size && icon.h == size) << s << ": " << icon.w << " x " << icon.h;
  }
}

TEST_F(Installed, RunsFromTheRootFolderWithItsInstalledData) {
  ASSERT_EQ(installStatus, 0);
  nlohmann::json dump;
  ASSERT_EQ(RunFromRoot("", &dump), 0);
  ASSERT_EQ(dump["frame"], 30) << "no dump written";
  EXPECT_EQ(dump["messageBoxes"], nlohmann::json::array());
  EXPECT_GT(dump["map"]["W"].get<int>(), 0);  // the map came from share/duskhollow
}

// The installed game finds its English catalogue in share/locale; the locale chooses the language.
TEST_F(Installed, SpeaksEnglishFromItsInstalledCatalogueWhenTheLocaleSaysSo) {
  ASSERT_EQ(installStatus, 0);
  nlohmann::json dump;
  ASSERT_EQ(RunFromRoot("LANGUAGE= LC_ALL= LANG=en_US.UTF-8", &dump), 0);
  EXPECT_EQ(dump["language"], "en");
  ASSERT_EQ(RunFromRoot("LANGUAGE= LC_ALL= LANG=C.UTF-8", &dump), 0);
  EXPECT_EQ(dump["language"], "ru");
}

TEST_F(Installed, LogsToTheStateFolderWhenTheDataFolderTakesNoLog) {
  ASSERT_EQ(installStatus, 0);
  // A folder where the log file would be: it cannot be opened for writing, even by root.
  fs::remove(Share() + "/Data/dh.log");
  fs::create_directories(Share() + "/Data/dh.log");
  const std::string state = Prefix() + "/../state";
  fs::remove_all(state);
  nlohmann::json dump;
  const int status = RunFromRoot("XDG_STATE_HOME='" + state + "'", &dump);
  fs::remove_all(Share() + "/Data/dh.log");
  ASSERT_EQ(status, 0);
  EXPECT_EQ(dump["messageBoxes"], nlohmann::json::array());
  std::string log;
  ASSERT_TRUE(content::ReadWholeFile(state + "/duskhollow/dh.log", &log));
  EXPECT_NE(log.find("seed "), std::string::npos) << log;
}

}  // namespace
