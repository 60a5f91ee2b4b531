// Names and tags of numbered cells ("图片框7", "7"), made once and kept for the
// whole run so that templates can point at them.
#pragma once

#include <string>
#include <vector>

// The texts prefix + n for n = first..last, as stable C strings.
class NumberedNames {
  public:
    NumberedNames(const char* prefix, int first, int last) : first_(first) {
        for (int n = first; n <= last; ++n)
            names_.push_back(prefix + std::to_string(n));
    }
    const char* operator()(int n) const { return names_[static_cast<size_t>(n - first_)].c_str(); }

  private:
    int first_;
    std::vector<std::string> names_;
};
