#pragma once
// Shared set-up for tests: a fresh per-user folder, module resets, file helpers.

#include <gtest/gtest.h>

#include <string>

// Each test gets its own XDG data folder (so AppPfad is fresh), the start values of
// every module, and the embedded archive registered with DatenPfad and AppPfad set.
class FreshProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::string root;  // the temporary folder holding everything of this test
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// Replaces the registered "DATEN.ZIP" with a fixture archive; the bytes stay alive.
void registerFixtureArchive(const std::string& zipBytes);
