#include "support/TestSupport.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <list>
#include <sstream>

#include "app/Programm.h"
#include "data/Daten.h"
#include "data/ZipArchive.h"
#include "history/Verlauf.h"
#include "platform/SystemLanguage.h"
#include "settings/ApiClass.h"
#include "settings/IniClass.h"

namespace fs = std::filesystem;

void FreshProgramTest::SetUp() {
    char pattern[] = "/tmp/lesmora-test-XXXXXX";
    root = mkdtemp(pattern);
    setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (root + "/documents").c_str(), 1);
    Programm::SetzeStartwerte();
    ZipArchive::unregisterAll();
    RegistriereDatenArchiv();
    DatenPfad = "ZIP::Incbin::DATEN.ZIP//";
    AppPfad = ApiClass::AppPfad();
    std::filesystem::create_directories(AppPfad);  // as the start-up copy does
    // A first start speaks the system's language; tests start German unless they say so.
    SystemLanguage::override("de");
}

void FreshProgramTest::TearDown() {
    Verlauf::Schliesse();  // the history's writer lets go of the folder first
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root, ignored);
    SystemLanguage::override(std::nullopt);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void registerFixtureArchive(const std::string& zipBytes) {
    static std::list<std::string> kept;  // the archive reads from these bytes
    kept.push_back(zipBytes);
    ZipArchive::registerArchive(
        ZipArchive::open(kept.back().data(), kept.back().size(), "DATEN.ZIP"));
}
