// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace probel::cli {

// Splits a command's arguments into options and positional arguments. Options that take a
// value are named in `withValue` ("--lower X" or "--lower=X"), switches in `switches`.
// Anything else that starts with "-" (but "-" alone, standard input) is a usage error.
class OptionParser {
public:
    OptionParser(std::set<std::string> withValue, std::set<std::string> switches);

    // False with a message in error() when the arguments do not fit.
    bool parse(const Arguments& arguments);
    const std::string& error() const { return error_; }

    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::set<std::string> withValue_;
    std::set<std::string> switches_;
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
    std::string error_;
};

}  // namespace probel::cli
