#pragma once

#include <stdexcept>
#include <string>

namespace quillbat {

// Refused input: a boxscore or phrase file the program cannot use. Carries the file's name as
// the user gave it, the line where the fault lies (0 when it concerns the whole file) and a
// short reason a user understands. what() is "file: line N: reason" or "file: reason".
class InputError : public std::runtime_error {
  public:
    InputError(std::string file, int line, std::string reason)
        : std::runtime_error(format(file, line, reason)),
          file_(std::move(file)),
          line_(line),
          reason_(std::move(reason)) {}
    InputError(std::string file, std::string reason)
        : InputError(std::move(file), 0, std::move(reason)) {}

    const std::string& file() const { return file_; }
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

  private:
    static std::string format(const std::string& file, int line, const std::string& reason) {
        return line > 0 ? file + ": line " + std::to_string(line) + ": " + reason
                        : file + ": " + reason;
    }

    std::string file_;
    int line_;
    std::string reason_;
};

}  // namespace quillbat
