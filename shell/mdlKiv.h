#pragma once

#include <string>

#include "shell/Surface.h"
#include "shell/Truth.h"

namespace kiv {

inline const std::string kPasswordMessage = "パスワードには対応していませんm(_ _)m";

// The start-up module: mode dispatch and the run's quit request.
class mdlKiv {
  public:
    explicit mdlKiv(Surface& surface) : surface_(surface) {}

    // Ends the process, shows the password message and ends, or loads one of the two forms.
    void Main();

    // Set by the saver window's input handlers; the engine polls it after every yield.
    Truth QuitFlag = False;

  private:
    Surface& surface_;
};

// The first two characters of the argument text, upper-cased; nothing is trimmed.
std::string ModeKey(const std::string& argumentText);

}  // namespace kiv
