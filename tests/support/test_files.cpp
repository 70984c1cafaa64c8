#include "test_files.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace ordisan::test {

std::string cp1250(std::string_view utf8)
{
    // The Croatian letters outside ASCII: two bytes each in UTF-8, one in code page 1250.
    static constexpr std::string_view letters = "ČčĆćĐđŠšŽž";
    static constexpr std::string_view bytes = "\xC8\xE8\xC6\xE6\xD0\xF0\x8A\x9A\x8E\x9E";
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t at = letters.find(utf8.substr(i, 2));
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i++];
        } else if (at != std::string_view::npos && at % 2 == 0) {
            out += bytes[at / 2];
            i += 2;
        } else {
            out += '?';
            for (++i; i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80;)
                ++i;
        }
    }
    return out;
}

TempFolder::TempFolder()
{
    std::string name = (std::filesystem::temp_directory_path() / "ordisan-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot make a test folder under " + name);
    path_ = name;
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
