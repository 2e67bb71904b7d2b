// The questions asked before the program ends, whichever way it is left: one guard for each kind
// of unsaved work (the main window's tables, the schedule), asked in the order added. Once all
// have agreed, leaving asks nothing more until the work changes again (Forget).
#pragma once

#include <functional>
#include <vector>

class LeavingGuards {
public:
    // Asks about one kind of unsaved work; false when the user cancels, so the program goes on.
    using Guard = std::function<bool()>;
    // agreed runs once all guards have agreed (the main window remembers itself then).
    explicit LeavingGuards(std::function<void()> agreed) : agreed_(std::move(agreed)) {}

    void Add(Guard guard) { guards_.push_back(std::move(guard)); }
    // Every guard asked once, until one cancels: false then. True at once when already agreed.
    bool Confirm();
    void Forget() { confirmed_ = false; }

private:
    std::function<void()> agreed_;
    std::vector<Guard> guards_;
    bool confirmed_ = false;
};
