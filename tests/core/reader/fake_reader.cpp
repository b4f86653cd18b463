// Stands in for the legacy reader: misbehaves as the first word of its input file says, so
// the tests see each way a reader can fail and how the limits end it.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char *argv[])
{
    // JETFILE OUTPUT, after "--tables SPEC" in the named mode.
    if (argc != 3 && argc != 5)
        return 2;
    const char *input = argv[argc - 2], *output = argv[argc - 1];
    std::string mode;
    std::ifstream in(input);
    in >> mode;
    if (mode == "spin")
        for (volatile unsigned long i = 0;;)
            i = i + 1;
    if (mode == "sleep")
        std::this_thread::sleep_for(std::chrono::hours(1));
    if (mode == "hog") {
        std::vector<char *> heap; // address space only: no time spent filling it
        for (;;)
            heap.push_back(new char[16 << 20]);
    }
    if (mode == "flood") {
        std::FILE *out = std::fopen(output, "wb");
        const std::vector<char> block(1 << 20, 'x');
        for (;;)
            std::fwrite(block.data(), 1, block.size(), out);
    }
    if (mode == "crash")
        std::raise(SIGSEGV);
    if (mode == "refuse") {
        std::puts("progress 5 10\nerror it has no table tabella1");
        return 1;
    }
    std::puts("progress 10 10"); // "quiet": ends well but never says it is done
    return 0;
}
