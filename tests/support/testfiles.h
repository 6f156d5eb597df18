#pragma once

// Temporary files for tests and the paths of the shipped examples and golden lists.

#include <string>
#include <string_view>
#include <vector>

namespace kubato::test {

// A directory of its own under the system's temporary directory, removed with its contents
// when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return mPath; }
    // Writes bytes to a file of the directory and returns its full path.
    std::string write(const std::string &name, std::string_view bytes) const;

private:
    std::string mPath;
};

std::string examplePath(const std::string &name);
std::string dataPath(const std::string &name);
std::string readAll(const std::string &path);

// Lines joined by CR LF, each line ended (the form of a loaded text).
std::string terminated(const std::vector<std::string> &lines);

} // namespace kubato::test
