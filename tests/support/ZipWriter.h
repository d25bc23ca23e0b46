#pragma once
// Writes small ZIP archives (stored, not compressed) for test fixtures.

#include <string>
#include <utility>
#include <vector>

std::string makeZip(const std::vector<std::pair<std::string, std::string>>& members);
