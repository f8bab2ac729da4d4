#pragma once

#include <string>
#include <vector>

// Where the command-line tool meets the system's console: its arguments and its standard
// streams. Linux hands both over as bytes; Windows has to be asked.
namespace quillbat {

// The program's arguments, the program's name first, as UTF-8 and as argc/argv for an
// argument parser. On Windows they are read from the wide-character command line, so a
// boxscore in a folder named "Liga Española" is found whatever the console's code page; on
// other systems they are argv as given. values() stays valid while this object lives.
class Utf8Arguments {
  public:
    Utf8Arguments(int argc, char** argv);
    Utf8Arguments(const Utf8Arguments&) = delete;
    Utf8Arguments& operator=(const Utf8Arguments&) = delete;

    int count() const { return static_cast<int>(arguments_.size()); }
    char** values() { return pointers_.data(); }

  private:
    std::vector<std::string> arguments_;
    std::vector<char*> pointers_;  // into arguments_, ending in a null pointer as argv does
};

// The width in columns that text written to standard output keeps within: the number in the
// environment variable COLUMNS when it holds one (from 1 to 9999), else the width of the
// terminal (or console window) standard output shows on, else 80, as for a pipe or a file.
int standardOutputColumns();

// Makes standard output and standard error write bytes unchanged, as on Linux: the Windows C
// library would otherwise write every "\n" as "\r\n", and an article would differ between the
// systems. Call it before anything is written. Does nothing on other systems.
void writeStandardStreamsAsBytes();

}  // namespace quillbat
