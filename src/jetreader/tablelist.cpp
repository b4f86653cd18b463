#include "tablelist.h"

#include <algorithm>
#include <sstream>

namespace
{

bool isName(const std::string &name)
{
    return !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

} // namespace

std::vector<TableShape> parseTableList(const std::string &text)
{
    std::vector<TableShape> shapes;
    for (const std::string &table : split(text, ';')) {
        const std::size_t colon = table.find(':');
        if (colon == std::string::npos)
            return {};
        TableShape shape{table.substr(0, colon), split(table.substr(colon + 1), ',')};
        if (!isName(shape.name) || shape.columns.empty() ||
            !std::all_of(shape.columns.begin(), shape.columns.end(), isName))
            return {};
        shapes.push_back(std::move(shape));
    }
    return shapes;
}
