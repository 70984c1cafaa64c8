#include "check_runner.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace ordisan::tools::test {

namespace {

std::string shellQuoted(const std::string& text)
{
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

CheckResult runCheck(const std::vector<std::string>& arguments)
{
    DataFolder scratch;
    const auto outPath = std::filesystem::path(scratch.path()) / "stdout";
    const auto errPath = std::filesystem::path(scratch.path()) / "stderr";
    std::string command = shellQuoted(ORDISAN_CHECK_PATH);
    for (const std::string& argument : arguments)
        command += " " + shellQuoted(argument);
    command += " >" + shellQuoted(outPath.string()) + " 2>" + shellQuoted(errPath.string());

    CheckResult result;
    const int raw = std::system(command.c_str());
    if (raw != -1 && WIFEXITED(raw))
        result.status = WEXITSTATUS(raw);
    result.out = readAll(outPath);
    result.err = readAll(errPath);
    return result;
}

} // namespace ordisan::tools::test
