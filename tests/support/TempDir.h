#pragma once
// Test helpers: a temporary folder removed at the end of the test, fixture paths, file helpers.
#include <string>

namespace vt::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // Path with a trailing '/'.
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

std::string fixture(const std::string& name); // tests/data/<name>
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

} // namespace vt::test
