// A data folder for runs of the built program: the shipped Data/ and Sound/ linked into the test's scratch
// folder, so that what the program writes beside its data (its log) never lands in the source tree.
#pragma once

#include <string>

// Makes (afresh) a folder of the running test under DH_TEST_TMP holding links to every shipped file but the
// log; returns its path. Tests that run at the same time get folders of their own.
std::string ScratchData();
