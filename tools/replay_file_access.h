#pragma once

#include "knowledge/file_access.h"

#include <string_view>

namespace ordisan::tools {

// Serves bytes a load has already read to a second line reader, in place: the one
// named file is a memory stream over the caller's bytes, which must outlive it. When
// the load's reading stopped on an error, the replay stops on the same error.
class ReplayFileAccess final : public FileAccess {
public:
    ReplayFileAccess(std::string_view name, std::string_view bytes, bool readFailed);

    std::FILE* open(const char* name) override;
    bool atEnd(std::FILE* stream) override;
    bool failed(std::FILE* stream) override;

private:
    std::string_view name_;
    std::string_view bytes_;
    bool readFailed_;
};

} // namespace ordisan::tools
