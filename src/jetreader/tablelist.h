#pragma once

#include "jetcatalogue.h"

#include <string>
#include <vector>

// The tables a caller asks for: "Table:Column,Column;Table:Column". Names are letters,
// digits and underscores only, so they can stand in the output's SQL as they are. Empty
// when the text is not such a list.
std::vector<TableShape> parseTableList(const std::string &text);
