#pragma once
// What the program does before its event loop: the Dutch interface, the real dialogs, the window
// opener, and the frame window with the main screen loaded and shown. main() and the start-up
// benchmark both start the program through it. Needs a QApplication.
#include <memory>

class HoofdScherm;

class ProgramStart {
public:
    ProgramStart();
    ~ProgramStart();
    ProgramStart(const ProgramStart &) = delete;
    ProgramStart &operator=(const ProgramStart &) = delete;

    // False when the catalogue check ended the program (the user has been told).
    bool start();
    HoofdScherm *mainScreen() const;

private:
    struct Parts;
    std::unique_ptr<Parts> d;
};
