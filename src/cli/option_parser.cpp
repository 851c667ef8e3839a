// SPDX-License-Identifier: MIT
#include "cli/option_parser.h"

#include "core/util/text_excerpt.h"

namespace probel::cli {

OptionParser::OptionParser(std::set<std::string> withValue, std::set<std::string> switches)
    : withValue_(std::move(withValue)), switches_(std::move(switches))
{
}

bool OptionParser::parse(const Arguments& arguments)
{
    bool onlyPositional = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyPositional || argument == "-" || argument.empty() || argument[0] != '-') {
            positional_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = argument;
        std::optional<std::string> inlineValue;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        if (switches_.count(name) != 0 && !inlineValue) {
            values_[name] = "";
        } else if (withValue_.count(name) != 0) {
            if (inlineValue) {
                values_[name] = *inlineValue;
            } else if (i + 1 < arguments.size()) {
                values_[name] = arguments[++i];
            } else {
                error_ = "オプション " + name + " には値が必要です。";
                return false;
            }
        } else {
            error_ = "不明なオプションです: " + textExcerpt(argument);
            return false;
        }
    }
    return true;
}

bool OptionParser::has(const std::string& name) const
{
    return values_.count(name) != 0;
}

std::optional<std::string> OptionParser::value(const std::string& name) const
{
    const auto found = values_.find(name);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace probel::cli
