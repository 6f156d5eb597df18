#include "support/testfiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kubato::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kubato-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    mPath = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(mPath, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(mPath, ignored);
}

std::string TempDir::write(const std::string &name, std::string_view bytes) const
{
    const std::string full = mPath + "/" + name;
    std::ofstream out(full, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
}

std::string examplePath(const std::string &name)
{
    return std::string(KUBATO_EXAMPLES_DIR) + "/" + name;
}

std::string dataPath(const std::string &name)
{
    return std::string(KUBATO_TEST_DATA_DIR) + "/" + name;
}

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string terminated(const std::vector<std::string> &lines)
{
    std::string text;
    for (const auto &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace kubato::test
