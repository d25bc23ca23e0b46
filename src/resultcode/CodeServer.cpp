#include "resultcode/CodeServer.h"

#include <iostream>

const std::string CodeServerName = "lesmora-code.local";
const std::string CodeServerPfad = "/code/code.php?code=";

int SendeProtokoll(const std::string& server, const std::string& pfad, const std::string& text) {
    std::cout << "resultcode: no network client yet, " << pfad << " not sent to " << server
              << std::endl;
    return 0;
}
