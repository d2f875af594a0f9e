// A console program for the runner's tests. Modes:
//   burst <bytes>   write <bytes> of a counting pattern to stderr at once, pause, write "|tail", exit 0
//   stdout <text>   write <text> to stdout only
//   lastwords       write "last words" to stderr and exit 3 at once
//   args <file>     write each argument after <file> on its own line of <file>, with its length,
//                   then create <file>.done
//   nul             write "before", a zero byte and "after" to stderr
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
  if (argc < 2) {
    return 2;
  }
  const std::string mode = argv[1];
  if (mode == "burst" && argc == 3) {
    const long bytes = std::strtol(argv[2], nullptr, 10);
    std::string data;
    data.reserve(static_cast<size_t>(bytes));
    for (long i = 0; i < bytes; ++i) {
      data.push_back(static_cast<char>('a' + (i / 7) % 26));
    }
    std::fwrite(data.data(), 1, data.size(), stderr);
    std::fflush(stderr);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::fputs("|tail", stderr);
    return 0;
  }
  if (mode == "stdout" && argc == 3) {
    std::fputs(argv[2], stdout);
    return 0;
  }
  if (mode == "lastwords") {
    std::fputs("last words", stderr);
    std::_Exit(3);
  }
  if (mode == "args" && argc >= 3) {
    {
      std::ofstream out(argv[2]);
      for (int i = 3; i < argc; ++i) {
        out << std::strlen(argv[i]) << ':' << argv[i] << '\n';
      }
    }
    std::ofstream(std::string(argv[2]) + ".done").flush();
    return 0;
  }
  if (mode == "nul") {
    std::fwrite("before\0after", 1, 12, stderr);
    return 0;
  }
  return 2;
}
