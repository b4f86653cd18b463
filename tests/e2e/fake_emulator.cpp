// Stands in for an emulator: appends its arguments, one a line, to the file named by
// FAKE_EMULATOR_OUT; after "-f <file>" it also copies that file's lines. A last line
// "--end--" tells the reader that the run is complete.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char *argv[])
{
    const char *out = std::getenv("FAKE_EMULATOR_OUT");
    if (!out || !*out) {
        std::cerr << "fake_emulator: FAKE_EMULATOR_OUT is not set\n";
        return 2;
    }
    std::ostringstream text;
    std::string configuration;
    for (int i = 1; i < argc; ++i) {
        text << argv[i] << '\n';
        if (std::string(argv[i]) == "-f" && i + 1 < argc)
            configuration = argv[i + 1];
    }
    if (!configuration.empty()) {
        std::ifstream in(configuration, std::ios::binary);
        if (!in)
            text << "<cannot read " << configuration << ">\n";
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            text << line << '\n';
        }
    }
    text << "--end--\n";
    // One write, so that a reader never sees half a run.
    std::ofstream file(out, std::ios::binary | std::ios::app);
    file << text.str();
    return file ? 0 : 1;
}
