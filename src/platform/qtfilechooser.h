#pragma once

#include <QString>

#include "platform/filechooser.h"

namespace kubato {

// The file-open dialog of one window: no type filter, and it opens where the file chosen last
// in it lies, with that file selected.
class QtFileChooser : public FileChooser {
public:
    std::optional<std::string> chooseFile() override;

private:
    QString mLastFile;
};

} // namespace kubato
