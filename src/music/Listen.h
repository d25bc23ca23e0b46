#pragma once
// Reading the tables of "Listen.ini" in the data archive.

#include <string>
#include <vector>

namespace ListenIni {

// One value of "Listen.ini"; empty when the file, section or key is missing.
std::string readTable(const std::string& section, const std::string& key);
// The fields of a value separated by "|"; an empty value has no fields.
std::vector<std::string> splitBars(const std::string& value);

}  // namespace ListenIni
