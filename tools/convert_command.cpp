#include "tools/convert_command.h"

#include "platform/whole_file.h"
#include "tools/code_page_1250.h"

#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ordisan::tools {

namespace {

int fail(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
}

} // namespace

int runConvertCommand(const std::string& from, const std::string& to)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(from, ignored))
        return fail(from + ": is a folder, not a file");
    std::ifstream in(from, std::ios::binary);
    if (!in)
        return fail(from + ": cannot be opened: " + std::strerror(errno));
    const std::string utf8{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return fail(from + ": could not be read to its end");

    const Cp1250Text converted = cp1250FromUtf8(utf8);
    if (!converted.refusals.empty()) {
        std::string out;
        for (const Cp1250Text::Refusal& r : converted.refusals)
            out += from + ":" + std::to_string(r.line) + ":" + std::to_string(r.column) + ": "
                + r.text + "\n";
        return fail(out + "ordisan-check: nothing written to " + to);
    }

    // The whole file or nothing: a failed write leaves an older OUT as it was.
    const WholeFileWrite write =
        writeWholeFile(QString::fromStdString(to), QByteArray::fromStdString(converted.bytes));
    if (!write.written())
        return fail(to + ": cannot be written: " + write.reason.toStdString()
                    + "; nothing written");
    std::printf("%s: %d lines written in code page 1250 with CR LF\n", to.c_str(),
                converted.lines);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace ordisan::tools
