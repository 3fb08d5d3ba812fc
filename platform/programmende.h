#pragma once
// Ending the program at once: no question, no closing event, nothing saved.

namespace fluvan::platform {

class Programmende {
public:
    virtual ~Programmende() = default;
    virtual void beenden() = 0;
};

// Hides every window at once and leaves the event loop.
class QtProgrammende : public Programmende {
public:
    void beenden() override;
};

}  // namespace fluvan::platform
