#pragma once

#include <CLI/CLI.hpp>

#include <cstddef>
#include <string>
#include <string_view>

// quillbat-cli --help laid out for the terminal it is read on.
namespace quillbat {

// The words of text (apart at blanks) in lines of at most width columns, the first line
// starting with first and the next ones with next (both counted in the width). A word too long
// for a line stands on a line of its own. Every line ends in "\n"; a text without words gives
// first alone on its line.
std::string wrapWords(std::string_view text, std::size_t width, std::string_view first,
                      std::string_view next);

// The help of quillbat-cli: the description, the usage lines as given, then group by group
// every option, a positional one included, its description beside its name and wrapped to the
// width, then the footer with each line wrapped under its own indent. What an option excludes
// is left out: that is told when the options are used together. A width below 60 columns is
// taken as 60.
class HelpFormatter final : public CLI::Formatter {
  public:
    HelpFormatter(std::size_t width, std::string usage);

    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override;
    std::string make_option(const CLI::Option* option, bool isPositional) const override;
    std::string make_option_name(const CLI::Option* option, bool isPositional) const override;
    std::string make_option_opts(const CLI::Option* option) const override;

  private:
    std::size_t width_;
    std::string usage_;
};

}  // namespace quillbat
