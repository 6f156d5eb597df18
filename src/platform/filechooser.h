#pragma once

#include <optional>
#include <string>

namespace kubato {

// A file-open dialog without type filter that starts where the last chosen file was.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full path of the chosen file as the system names it, or nothing when cancelled.
    virtual std::optional<std::string> chooseFile() = 0;
};

} // namespace kubato
