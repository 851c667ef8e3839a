// SPDX-License-Identifier: MIT
#pragma once

#include <streambuf>
#include <string>
#include <string_view>

namespace probel::cli {

// Standard input read straight from its descriptor, keeping a copy of every byte handed out,
// so that a command given over to the Qt tool can be given the same input again.
class RecordingInput : public std::streambuf {
public:
    const std::string& consumed() const { return consumed_; }

protected:
    int_type underflow() override;

private:
    std::string consumed_;
};

// Runs the Qt build of the tool (probel-cli-qt, beside this program or in its libexec folder)
// in place of this process with the same arguments, standard input starting again with the
// bytes already read. Returns only when that fails, with the exit code after a message.
int handOverToQt(char** argv, std::string_view consumedInput);

}  // namespace probel::cli
