// Stands in for an emulator: appends its arguments, one a line, to the file named by
// FAKE_EMULATOR_OUT. A last line "--end--" tells the reader that the run is complete.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char *argv[])
{
    const char *out = std::getenv("FAKE_EMULATOR_OUT");
    if (!out || !*out) {
        std::cerr << "fake_emulator: FAKE_EMULATOR_OUT is not set\n";
        return 2;
    }
    std::ostringstream text;
    for (int i = 1; i < argc; ++i)
        text << argv[i] << '\n';
    text << "--end--\n";
    // One write, so that a reader never sees half a run.
    std::ofstream file(out, std::ios::binary | std::ios::app);
    file << text.str();
    return file ? 0 : 1;
}
