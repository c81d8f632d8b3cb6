// Helpers for tests that touch files: a fresh temporary directory and whole-file reads.
#ifndef TOLM_TESTS_SUPPORT_TESTFILES_H
#define TOLM_TESTS_SUPPORT_TESTFILES_H

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tolm::test {

// A directory under the system's temporary folder, removed with its contents on destruction.
class CTempDir {
public:
    CTempDir() {
        static int counter = 0;
        myPath = std::filesystem::temp_directory_path() /
                 ("tolm-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(myPath);
        std::filesystem::create_directories(myPath);
    }
    ~CTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(myPath, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return myPath; }
    std::string File(const std::string& name) const { return (myPath / name).string(); }

private:
    std::filesystem::path myPath;
};

inline std::string ReadFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& fileName, const std::string& content) {
    std::ofstream(fileName, std::ios::binary | std::ios::trunc) << content;
}

inline std::vector<std::string> ReadLines(const std::string& fileName) {
    std::ifstream in(fileName);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace tolm::test

#endif
