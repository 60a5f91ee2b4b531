// A fresh folder per test, made the current directory while the test runs, so
// that the launcher's relative paths ("LauncherRes\Data\Save.ini") land in it.
#pragma once

#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as a launcher path (GBK, backslashes on Windows).
    const std::string& path() const { return path_; }
    // Writes a file below the folder, creating its folders; `relative` uses backslashes.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;

  private:
    std::string path_;
    std::string previousDirectory_;
};
