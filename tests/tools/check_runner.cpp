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

std::string cp1250(const std::string& utf8)
{
    static const std::pair<const char*, char> letters[] = {
        {"Č", '\xC8'}, {"č", '\xE8'}, {"Ć", '\xC6'}, {"ć", '\xE6'}, {"Đ", '\xD0'},
        {"đ", '\xF0'}, {"Š", '\x8A'}, {"š", '\x9A'}, {"Ž", '\x8E'}, {"ž", '\x9E'},
    };
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const auto& [from, to] : letters) {
            const std::string letter = from;
            if (utf8.compare(i, letter.size(), letter) == 0) {
                out += to;
                i += letter.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += utf8[i++];
    }
    return out;
}

DataFolder::DataFolder()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path()
        / ("ordisan-check-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

DataFolder::~DataFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void DataFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

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
