#pragma once
// A fresh directory for one test's files, removed with everything in it afterwards.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempDir {
public:
    TempDir()
    {
        static unsigned serial = 0;
        const auto base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("ventaro-test-" + std::to_string(::getpid()) + "-" +
                            std::to_string(serial++));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

    // The names in the directory, to see that no temporary file is left behind.
    int Entries() const
    {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_),
                                              std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path path_;
};

inline void PutFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
