#include "check_runner.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

namespace ordisan::tools::test {

namespace {

std::string shellQuoted(const std::string& text)
{
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

CheckResult runCheck(const std::vector<std::string>& arguments, bool fileSizeLimited)
{
    const TempFolder scratch;
    const std::string out = scratch.path() / "stdout", err = scratch.path() / "stderr";
    // An ignored SIGXFSZ stays ignored across exec: a write beyond the limit fails with
    // EFBIG instead of ending the tool.
    std::string command = fileSizeLimited ? "trap '' XFSZ; ulimit -f 1; exec " : "";
    command += shellQuoted(ORDISAN_CHECK_PATH);
    for (const std::string& argument : arguments)
        command += " " + shellQuoted(argument);
    command += " >" + shellQuoted(out) + " 2>" + shellQuoted(err);
    const int raw = std::system(command.c_str());
    return {raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(out), readAll(err)};
}

} // namespace ordisan::tools::test
