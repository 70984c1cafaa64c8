#include "test_files.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace ordisan::test {

std::string cp1250(std::string_view utf8)
{
    static const std::pair<std::string_view, char> letters[] = {
        {"Č", '\xC8'}, {"č", '\xE8'}, {"Ć", '\xC6'}, {"ć", '\xE6'}, {"Đ", '\xD0'},
        {"đ", '\xF0'}, {"Š", '\x8A'}, {"š", '\x9A'}, {"Ž", '\x8E'}, {"ž", '\x9E'},
    };
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += utf8[i++];
            continue;
        }
        const auto letter = std::find_if(std::begin(letters), std::end(letters), [&](const auto& l) {
            return utf8.substr(i).starts_with(l.first);
        });
        if (letter != std::end(letters)) {
            out += letter->second;
            i += letter->first.size();
            continue;
        }
        out += '?';
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            ++i;
    }
    return out;
}

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path()
        / ("ordisan-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file " + name);
}

} // namespace ordisan::test
