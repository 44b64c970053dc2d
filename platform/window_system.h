// What a command may ask of the program's windows beyond their controls.
#pragma once

namespace ruvelka {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Opens the About window, or brings the open one forward.
    virtual void ShowAboutWindow() = 0;
};

}  // namespace ruvelka
