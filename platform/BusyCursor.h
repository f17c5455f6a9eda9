#pragma once

// Shows the busy cursor while it lives. Does nothing without a GUI application,
// so model code can use it in tests and tools.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool shown_ = false;
};
